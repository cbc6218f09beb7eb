#include "library/rulings/rulingcitation.h"

#include <QDate>
#include <QRegularExpression>

namespace veltra {

std::optional<RulingCitation> RulingCitation::parse(const QString &rulingText)
{
    static const QRegularExpression citation(QStringLiteral(
        " - \\(([^()]*\\S), (\\d\\d/\\d\\d/\\d\\d\\d\\d), n\\.([0-9A-Za-z/-]+)\\)$"));
    const QRegularExpressionMatch match = citation.match(rulingText);
    if (!match.hasMatch())
        return std::nullopt;
    if (!QDate::fromString(match.captured(2), QStringLiteral("dd/MM/yyyy")).isValid())
        return std::nullopt;
    return RulingCitation{match.captured(1), match.captured(2), match.captured(3)};
}

QString RulingCitation::text() const
{
    return QStringLiteral(" - (") + court + QStringLiteral(", ") + date + QStringLiteral(", n.")
        + number + QLatin1Char(')');
}

} // namespace veltra
