#include "core/numbers/numbertext.h"

#include <QRegularExpression>

#include <cmath>

namespace veltra::NumberText {

namespace {

bool isDigits(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

// Fifteen significant digits, the precision of the typed figures, without exponent.
QString pointForm(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int integerDigits = std::max(1, int(std::floor(std::log10(std::fabs(value)))) + 1);
    QString text = QString::number(value, 'f', std::max(0, 15 - integerDigits));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace

std::optional<double> read(const QString &text)
{
    QString body = text.trimmed();
    body.remove(QLatin1Char('.'));
    bool negative = false;
    if (body.startsWith(QLatin1Char('-')) || body.startsWith(QLatin1Char('+'))) {
        negative = body.startsWith(QLatin1Char('-'));
        body.remove(0, 1);
    }
    const int comma = body.indexOf(QLatin1Char(','));
    const QString whole = comma < 0 ? body : body.left(comma);
    const QString fraction = comma < 0 ? QString() : body.mid(comma + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!isDigits(whole) || !isDigits(fraction))
        return std::nullopt;
    const QString canonical = (whole.isEmpty() ? QStringLiteral("0") : whole)
        + QLatin1Char('.') + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    const double value = canonical.toDouble();
    return negative ? -value : value;
}

QString str(double value)
{
    const QString text = pointForm(value);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

QString plain(double value)
{
    return pointForm(value).replace(QLatin1Char('.'), QLatin1Char(','));
}

double leading(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    return match.captured(0).simplified().toDouble();
}

} // namespace veltra::NumberText
