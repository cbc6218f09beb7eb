#include "core/expenses/runningtotal.h"

#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra::RunningTotal {

double condominiumRunningTotal(const SharedState &state, int k)
{
    double total = 0;
    for (int j = 1; j <= std::min(k, MaxItems); ++j)
        total += NumberText::read(state.item(j).expenseAmount).value_or(0.0);
    return total;
}

QString shownTotal(double euro)
{
    return formatNumber(euro, NumberFormat::EuroPattern);
}

QString shownAmount(const QString &euro)
{
    return formatNumberText(euro, NumberFormat::EuroPattern);
}

QString line(const QString &total, const QString &qualifier)
{
    return QStringLiteral("Totale progressivo spese ") + qualifier + QStringLiteral(": euro ")
        + shownAmount(total);
}

} // namespace veltra::RunningTotal
