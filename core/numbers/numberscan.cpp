#include "core/numbers/numberscan.h"

#include "core/numbers/numbertext.h"

#include <QString>

#include <cstdint>

namespace veltra::NumberScan {

namespace {

constexpr std::uint64_t ExactMantissaLimit = std::uint64_t(1) << 53;
constexpr int MaxExactPowerOfTen = 22;
constexpr int MaxMantissaDigits = 19; // below 2^64 whatever the digits

constexpr double powerOfTen(int exponent)
{
    double value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// 10^0 .. 10^22 are exact doubles, so one division by them rounds correctly.
constexpr double PowersOfTen[MaxExactPowerOfTen + 1] = {
    powerOfTen(0),  powerOfTen(1),  powerOfTen(2),  powerOfTen(3),  powerOfTen(4),
    powerOfTen(5),  powerOfTen(6),  powerOfTen(7),  powerOfTen(8),  powerOfTen(9),
    powerOfTen(10), powerOfTen(11), powerOfTen(12), powerOfTen(13), powerOfTen(14),
    powerOfTen(15), powerOfTen(16), powerOfTen(17), powerOfTen(18), powerOfTen(19),
    powerOfTen(20), powerOfTen(21), powerOfTen(22)};

} // namespace

std::optional<double> readComma(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    const bool negative = *p == u'-';
    if (negative || *p == u'+')
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int commaAt = -1; // digits before the comma; none yet
    for (; p < end; ++p) {
        const unsigned digit = unsigned(*p) - u'0';
        if (digit < 10) {
            mantissa = mantissa * 10 + digit;
            ++digits;
        } else if (*p == u',' && commaAt < 0) {
            commaAt = digits;
        } else if (*p != u'.') { // points separate thousands
            break;
        }
    }
    const int fractionDigits = commaAt < 0 ? 0 : digits - commaAt;
    // The common texts ("25,5", "0,95", "1.234") end here with an exact value; anything
    // else (no digit, a second comma, blanks, long figures) takes the common reader.
    if (p != end || digits == 0 || digits > MaxMantissaDigits || mantissa >= ExactMantissaLimit
        || fractionDigits > MaxExactPowerOfTen)
        return NumberText::read(text.toString());
    const double value = double(mantissa) / PowersOfTen[fractionDigits];
    return negative ? -value : value;
}

} // namespace veltra::NumberScan
