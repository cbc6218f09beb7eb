#include "core/numbers/numbertext.h"

#include <QRegularExpression>

#include <cmath>

namespace veltra::NumberText {

namespace {

bool isDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
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

// The text in C form ("-1234.5"), or nothing when it is no number, however long.
std::optional<QString> canonicalForm(const QString &text)
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
    return (negative ? QStringLiteral("-") : QString())
        + (whole.isEmpty() ? QStringLiteral("0") : whole) + QLatin1Char('.')
        + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
}

} // namespace

std::optional<double> read(const QString &text)
{
    const std::optional<QString> canonical = canonicalForm(text);
    if (!canonical)
        return std::nullopt;
    const double value = canonical->toDouble();
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString fault(const QString &text)
{
    if (text.isEmpty())
        return QString();
    const std::optional<QString> canonical = canonicalForm(text);
    if (!canonical) {
        // A figure long enough to be quoted in full would bury the message.
        constexpr int QuotedLength = 30;
        const QString quoted = text.size() > QuotedLength
            ? text.left(QuotedLength) + QChar(0x2026)
            : text;
        return QLatin1Char('"') + quoted + QStringLiteral("\" non è un numero");
    }
    const std::optional<double> value = read(text);
    if (!value || std::fabs(*value) >= MaxFigure)
        return QStringLiteral("il numero ha più di quindici cifre prima della virgola");
    return QString();
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
