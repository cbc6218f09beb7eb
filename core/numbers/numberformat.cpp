#include "core/numbers/numberformat.h"

#include "core/state/cell.h"
#include "core/numbers/numbertext.h"

#include <cmath>

namespace veltra::NumberFormat {

namespace {

// The decimal digits of |value| to 15 significant digits, as a whole-number digit string
// and the number of those digits that stand after the decimal point.
struct DecimalDigits
{
    QString digits;
    int fractionDigits = 0;
};

DecimalDigits decimalDigits(double value)
{
    // "d.dddddddddddddde+XX": the typed figure as far as a double can hold it.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const int e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString digits = scientific.left(e).remove(QLatin1Char('.'));
    int fractionDigits = 14 - exponent;
    if (fractionDigits < 0) {
        digits.append(QString(-fractionDigits, QLatin1Char('0')));
        fractionDigits = 0;
    }
    return { digits, fractionDigits };
}

// Adds one to a string of decimal digits.
QString incremented(QString digits)
{
    for (int i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

// The digits rounded half away from zero to `decimals` places after the point.
DecimalDigits rounded(DecimalDigits number, int decimals)
{
    if (number.fractionDigits <= decimals) {
        number.digits.append(QString(decimals - number.fractionDigits, QLatin1Char('0')));
        number.fractionDigits = decimals;
        return number;
    }
    const int keep = number.digits.size() - (number.fractionDigits - decimals);
    const bool roundUp = keep >= 0 && keep < number.digits.size()
        && number.digits[keep] >= QLatin1Char('5');
    QString kept = keep > 0 ? number.digits.left(keep) : QStringLiteral("0");
    if (roundUp)
        kept = incremented(kept);
    // "1" with two decimals stands for 0,01: give it its integer zero back.
    if (kept.size() <= decimals)
        kept.prepend(QString(decimals + 1 - kept.size(), QLatin1Char('0')));
    return { kept, decimals };
}

QString groupedThousands(const QString &integer)
{
    QString grouped;
    for (int i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped.append(QLatin1Char('.'));
        grouped.append(integer[i]);
    }
    return grouped;
}

QString withoutLeadingZeros(const QString &integer)
{
    int first = 0;
    while (first < integer.size() - 1 && integer[first] == QLatin1Char('0'))
        ++first;
    return integer.mid(first);
}

} // namespace

QString formatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    const int point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : pattern.size() - point - 1;
    const bool grouping = pattern.contains(QLatin1Char(','));

    const DecimalDigits number = rounded(decimalDigits(value), decimals);
    const int integerLength = number.digits.size() - number.fractionDigits;
    QString integer = withoutLeadingZeros(
        integerLength > 0 ? number.digits.left(integerLength) : QStringLiteral("0"));
    const QString fraction = number.digits.right(number.fractionDigits);

    // A value that rounds to nothing carries no minus: "-0,00" would read as a debt.
    const bool isZero = integer == QLatin1String("0")
        && fraction.count(QLatin1Char('0')) == fraction.size();
    QString text = (value < 0 && !isZero) ? QStringLiteral("-") : QString();
    text += grouping ? groupedThousands(integer) : integer;
    if (decimals > 0)
        text += QLatin1Char(',') + fraction;
    return text;
}

QString formatNumberText(const QString &typedText, const QString &pattern)
{
    const std::optional<double> value = NumberText::read(typedText);
    return value ? formatNumber(*value, pattern) : typedText;
}

QString formatCell(const Cell &cell, const QString &pattern)
{
    return cell.isNumber() ? formatNumber(cell.toNumber(), pattern)
                           : formatNumberText(cell.toText(), pattern);
}

} // namespace veltra::NumberFormat
