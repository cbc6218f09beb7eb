#include "core/expenses/expensefilename.h"

#include "core/numbers/numbertext.h"

#include <QDate>
#include <QRegularExpression>

namespace veltra::ExpenseFileName {

QString build(ManagementType type, const QString &condoName, int year, int k)
{
    return QStringLiteral("Veltra-") + managementTypeText(type) + QLatin1Char('-') + condoName
        + QLatin1Char('-') + NumberText::str(year) + NumberText::str(k);
}

std::optional<int> yearOf(const QString &date)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch match = form.match(date);
    if (!match.hasMatch())
        return std::nullopt;
    const int year = match.captured(3).toInt();
    // A date that does not exist (31/02/2001) names no year of any expense.
    if (!QDate(year, match.captured(2).toInt(), match.captured(1).toInt()).isValid())
        return std::nullopt;
    return year;
}

} // namespace veltra::ExpenseFileName
