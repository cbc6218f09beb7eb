#pragma once

#include <QString>

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

} // namespace TaxCode

} // namespace veltra
