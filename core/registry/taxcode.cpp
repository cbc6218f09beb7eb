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

} // namespace TaxCode

} // namespace veltra
