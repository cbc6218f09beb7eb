#include "core/payments/balancesheet.h"

#include "core/numbers/numbertext.h"
#include "core/payments/paymentsledger.h"
#include "core/payments/serieswalk.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra {

namespace {

BalanceSheet::Row row(const QString &amount, const QString &description, const QString &date,
                      double income)
{
    BalanceSheet::Row row;
    row.date = date;
    row.description = description;
    row.income = income;
    row.amount = NumberText::read(amount).value_or(0.0);
    row.outstanding = row.amount - income;
    return row;
}

// Moves the window to each item in turn and sums what the state then holds.
void collectMoving(PaymentsLedger &ledger, int m, BalanceSheet &sheet)
{
    const SharedState &state = ledger.state();
    for (int j = 1; j <= m; ++j) {
        ledger.goToItem(j);
        double income = 0;
        for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
            if (!state.owner(i).paymentDate.isEmpty())
                income += PaymentsLedger::shareValue(state.owner(i).shareAmount);
        }
        const ExpenseItem shown = ledger.shownItem();
        sheet.rows.append(row(shown.expenseAmount, shown.expenseType, shown.expenseDate, income));
    }
}

// A "preventivi" file carries no dates: the ones in memory stand for every item.
void collectFromFiles(const SeriesWalk &walk, const PaymentsLedger &ledger, BalanceSheet &sheet)
{
    const SharedState &state = ledger.state();
    for (int j = 1; j <= walk.itemCount(); ++j) {
        const ExpenseArchive::LoadResult &file = walk.file(j);
        double income = 0;
        for (int i = 1; i <= walk.ownerCount(); ++i) {
            const QString &payment = ledger.withPayments() ? file.owners[i - 1].paymentDate
                                                           : state.owner(i).paymentDate;
            if (!payment.isEmpty())
                income += PaymentsLedger::shareValue(file.owners[i - 1].shareAmount);
        }
        sheet.rows.append(row(file.expenseAmount, file.expenseType, file.expenseDate, income));
    }
}

} // namespace

BalanceSheet BalanceSheet::collect(PaymentsLedger &ledger)
{
    const SharedState &state = ledger.state();
    BalanceSheet sheet;
    sheet.condoName = state.condoName;
    sheet.ownerCount = state.ownerCount;
    sheet.currentItemDate = state.item(ledger.currentItem()).expenseDate;
    const int m = ledger.archivedCount().value_or(0);
    if (const std::optional<SeriesWalk> walk = SeriesWalk::fromFiles(ledger, m, 0, &sheet.refusal)) {
        collectFromFiles(*walk, ledger, sheet);
        walk->leaveOnLastItem(ledger);
    } else if (sheet.refusal.isEmpty()) {
        collectMoving(ledger, m, sheet);
    }
    for (const Row &row : sheet.rows) {
        sheet.incomeTotal += row.income;
        sheet.outstandingTotal += row.outstanding;
    }
    sheet.shownTotal = ledger.shownTotal();
    return sheet;
}

} // namespace veltra
