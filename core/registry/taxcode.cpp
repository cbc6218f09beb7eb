#include "core/registry/taxcode.h"

#include <QRegularExpression>

#include <array>

namespace veltra {

namespace TaxCode {

namespace {

// What a character in an odd place (the 1st, 3rd, … 15th) adds to the sum: digits weigh
// like the letter in the same place of the alphabet.
constexpr std::array<int, 26> OddWeights = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                            20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};

int alphabetPlace(QChar c)
{
    return c.isDigit() ? c.digitValue() : c.unicode() - 'A';
}

// The letters of a name in capitals without their accents, nothing else.
QString plainLetters(const QString &name)
{
    QString letters;
    for (QChar c : name.normalized(QString::NormalizationForm_D).toUpper()) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            letters.append(c);
    }
    return letters;
}

bool isVowel(QChar c)
{
    return QStringLiteral("AEIOU").contains(c);
}

QString consonantsOf(const QString &letters)
{
    QString consonants;
    for (QChar c : letters) {
        if (!isVowel(c))
            consonants.append(c);
    }
    return consonants;
}

QString vowelsOf(const QString &letters)
{
    QString vowels;
    for (QChar c : letters) {
        if (isVowel(c))
            vowels.append(c);
    }
    return vowels;
}

QString firstThree(const QString &letters)
{
    return (letters + QStringLiteral("XXX")).left(3);
}

// The digit a place of the date or the town stands for: itself, or under omocodia the
// letter L for 0, M for 1, … V for 9.
int omocodiaDigit(QChar c)
{
    static const QString Letters = QStringLiteral("LMNPQRSTUV");
    return c.isDigit() ? c.digitValue() : int(Letters.indexOf(c));
}

int twoDigits(const QString &code, int at)
{
    return omocodiaDigit(code.at(at)) * 10 + omocodiaDigit(code.at(at + 1));
}

bool birthDateAgrees(const QString &code, const QDate &date)
{
    static const QString Months = QStringLiteral("ABCDEHLMPRST");
    const int day = twoDigits(code, 9);
    // Women's codes carry the day plus forty.
    return twoDigits(code, 6) == date.year() % 100 && Months.indexOf(code.at(8)) + 1 == date.month()
        && (day == date.day() || day == date.day() + 40);
}

} // namespace

bool isPersonalCode(const QString &code)
{
    // Every digit of the date and the place may stand as one of the letters L–V (omocodia).
    static const QRegularExpression Shape(QStringLiteral(
        "^[A-Z]{6}[0-9L-NP-V]{2}[ABCDEHLMPRST][0-9L-NP-V]{2}[A-Z][0-9L-NP-V]{3}[A-Z]$"));
    const QString upper = code.toUpper();
    if (!Shape.match(upper).hasMatch())
        return false;
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const int place = alphabetPlace(upper.at(i));
        sum += i % 2 == 0 ? OddWeights[place] : place;
    }
    return upper.at(15).unicode() == 'A' + sum % 26;
}

bool isVatNumber(const QString &number)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{11}$"));
    if (!Shape.match(number).hasMatch())
        return false;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int digit = number.at(i).digitValue();
        const int doubled = 2 * digit;
        sum += i % 2 == 0 ? digit : (doubled > 9 ? doubled - 9 : doubled);
    }
    return number.at(10).digitValue() == (10 - sum % 10) % 10;
}

bool isFiscalCode(const QString &code)
{
    return isPersonalCode(code) || isVatNumber(code);
}

QString surnameLetters(const QString &surname)
{
    const QString letters = plainLetters(surname);
    return firstThree(consonantsOf(letters) + vowelsOf(letters));
}

QString givenNameLetters(const QString &givenName)
{
    const QString letters = plainLetters(givenName);
    const QString consonants = consonantsOf(letters);
    if (consonants.size() >= 4)
        return QString(consonants.at(0)) + consonants.at(2) + consonants.at(3);
    return firstThree(consonants + vowelsOf(letters));
}

QStringList personalCodeMismatches(const QString &code, const QString &surname,
                                   const QString &givenName, const QDate &birthDate)
{
    QStringList mismatches;
    if (!isPersonalCode(code))
        return mismatches;
    const QString upper = code.toUpper();
    if (!surname.trimmed().isEmpty() && upper.left(3) != surnameLetters(surname))
        mismatches.append(QStringLiteral("le lettere del cognome"));
    if (!givenName.trimmed().isEmpty() && upper.mid(3, 3) != givenNameLetters(givenName))
        mismatches.append(QStringLiteral("le lettere del nome"));
    if (birthDate.isValid() && !birthDateAgrees(upper, birthDate))
        mismatches.append(QStringLiteral("la data di nascita"));
    return mismatches;
}

} // namespace TaxCode

} // namespace veltra
