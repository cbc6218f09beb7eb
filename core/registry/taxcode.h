#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace veltra {

// The check characters of Italian tax identifiers, which catch nearly every mistyped
// character and every swap of two neighbours before a letter goes out with a wrong code.
namespace TaxCode {

// A person's codice fiscale: sixteen characters, the last the check letter computed from
// the fifteen before it. Letters in place of the digits (omocodia) are accepted, and
// lower-case letters read as capitals.
bool isPersonalCode(const QString &code);
// A partita IVA, which is also a company's codice fiscale: eleven digits, the last the
// check digit of the first ten.
bool isVatNumber(const QString &number);
// Either of the two, as a codice fiscale may be.
bool isFiscalCode(const QString &code);

// The three letters a personal code takes from a surname (its consonants, then its vowels,
// then X) and from a given name (the same, except that a name of four consonants or more
// gives its first, third and fourth). Accents, apostrophes and spaces do not count.
QString surnameLetters(const QString &surname);
QString givenNameLetters(const QString &givenName);
// What in a well-formed personal code disagrees with the person it is typed for, each named
// for the letter asking for it ("le lettere del cognome", "la data di nascita"); empty when
// all agrees. The birth date is compared only when given, since many records lack it.
QStringList personalCodeMismatches(const QString &code, const QString &surname,
                                   const QString &givenName, const QDate &birthDate);

} // namespace TaxCode

} // namespace veltra
