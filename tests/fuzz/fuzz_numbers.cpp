// Typed numbers: the filter every typed number passes, the two readers of the decimal
// comma, the plain form of messages and the printouts' patterns.

#include "fuzzcheck.h"

#include "core/numbers/numberfilter.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <cmath>
#include <cstring>

using namespace veltra;

namespace {

bool isKept(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-')
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

void requireFiltered(const QString &typed)
{
    static SharedState state;
    state.numberIn = typed;
    const bool refused = normaliseNumber(state);
    fuzz::require(state.numberIn == typed, "the typed text is left as typed", typed);
    QString kept;
    for (const QChar c : typed) {
        if (isKept(c))
            kept.append(c);
    }
    if (typed == QLatin1String(",") || typed == QLatin1String("-"))
        kept.clear();
    fuzz::require(state.numberOut == kept, "only digits, comma and minus are kept", typed);
    const bool wrongLastKey = !typed.isEmpty() && !isKept(typed.back());
    fuzz::require(refused == (wrongLastKey || typed == QLatin1String("-")),
                  "refused exactly when the last key is wrong or the text a lone minus", typed);
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "-1.234,50": an optional minus, at least one integer digit, thousands points where the
// pattern groups, then the comma and exactly `decimals` digits.
bool hasPatternShape(const QString &text, int decimals, bool grouping)
{
    const qsizetype comma = decimals > 0 ? text.size() - decimals - 1 : text.size();
    if (comma < 1 || (decimals > 0 && text[comma] != QLatin1Char(',')))
        return false;
    for (qsizetype i = comma + 1; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            return false;
    }
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype start = negative ? 1 : 0;
    const qsizetype integerLength = comma - start;
    if (integerLength < 1 || (grouping && integerLength % 4 == 0))
        return false;
    bool nonZero = false;
    for (qsizetype i = start; i < comma; ++i) {
        const bool pointDue = grouping && (comma - i) % 4 == 0;
        if (pointDue ? text[i] != QLatin1Char('.') : !isAsciiDigit(text[i]))
            return false;
        nonZero = nonZero || (isAsciiDigit(text[i]) && text[i] != QLatin1Char('0'));
    }
    for (qsizetype i = comma + 1; i < text.size(); ++i)
        nonZero = nonZero || text[i] != QLatin1Char('0');
    // No leading zeros, and no minus before a value that rounds to nothing.
    return (text[start] != QLatin1Char('0') || integerLength == 1) && (nonZero || !negative);
}

void requireFormatted(double value)
{
    struct Pattern
    {
        const QString &pattern;
        int decimals;
        bool grouping;
    };
    const Pattern patterns[] = {{NumberFormat::MillesimiPattern, 3, false},
                                {NumberFormat::SurfacePattern, 2, false},
                                {NumberFormat::CoefficientPattern, 2, false},
                                {NumberFormat::EuroPattern, 2, true}};
    for (const Pattern &p : patterns) {
        const QString text = formatNumber(value, p.pattern);
        if (!std::isfinite(value)) {
            fuzz::require(text.isEmpty(), "no text for a value that is no number");
            continue;
        }
        fuzz::require(hasPatternShape(text, p.decimals, p.grouping), "the pattern's shape",
                      p.pattern + QLatin1Char(' ') + text);
        // Near the largest double the fifteen-digit figure itself is out of range.
        if (std::fabs(value) > 1e300)
            continue;
        const std::optional<double> back = NumberText::read(text);
        // Rounded on fifteen significant digits, then to the pattern's decimals.
        const double tolerance = 0.5 * std::pow(10.0, -p.decimals) * (1 + 1e-9)
            + 1e-14 * std::fabs(value);
        fuzz::require(back && std::fabs(*back - value) <= tolerance,
                      "a formatted number reads back to its rounded value",
                      p.pattern + QLatin1Char(' ') + text);
    }
    if (!std::isfinite(value))
        return;
    bool ok = false;
    const double plain = NumberText::str(value).trimmed().toDouble(&ok);
    fuzz::require(ok && std::fabs(plain - value) <= 1e-14 * std::max(1.0, std::fabs(value)),
                  "the plain form holds fifteen digits", NumberText::str(value));
}

void requireRead(const QString &typed)
{
    const std::optional<double> value = NumberText::read(typed);
    const std::optional<double> scanned = NumberScan::readComma(typed);
    fuzz::require(value.has_value() == scanned.has_value() && (!value || *value == *scanned),
                  "both readers agree", typed);
    if (!value) {
        fuzz::require(formatNumberText(typed, NumberFormat::EuroPattern) == typed,
                      "a text that is no number is shown as typed", typed);
        return;
    }
    fuzz::require(std::isfinite(*value), "a number read is finite", typed);
    for (const QChar c : typed.trimmed()) {
        fuzz::require(isAsciiDigit(c) || c == QLatin1Char(',') || c == QLatin1Char('.')
                          || c == QLatin1Char('-') || c == QLatin1Char('+'),
                      "only digits, signs, comma and points make a number", typed);
    }
    fuzz::require(formatNumberText(typed, NumberFormat::EuroPattern)
                      == formatNumber(*value, NumberFormat::EuroPattern),
                  "a typed number is formatted by its value", typed);
    requireFormatted(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString typed = QString::fromUtf8(fuzz::inputBytes(data, size));
    requireFiltered(typed);
    requireRead(typed);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        requireFormatted(value);
    }
    return 0;
}
