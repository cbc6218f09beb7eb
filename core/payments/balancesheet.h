#pragma once

#include <QList>
#include <QString>

namespace veltra {

class PaymentsLedger;

// The yearly balance of the series: per archived item, what came in from the owners who
// paid, what is still to be paid and what was spent, with the totals. The window walks
// through items 1..M, M being the archived count shown (none shown counts as 0), and is
// left on item M.
struct BalanceSheet
{
    struct Row
    {
        QString date;
        QString description;
        double income = 0;      // euro: the shares of the owners with a payment date
        double outstanding = 0; // euro: the amount less the income
        double amount = 0;      // euro
    };

    QString condoName;
    int ownerCount = 0;
    QString currentItemDate; // date of the current item when the balance began
    QList<Row> rows;
    double incomeTotal = 0;
    double outstandingTotal = 0;
    QString shownTotal; // the condominium's running total as shown after the last item
    // Why the series could not be counted, naming the first item that fails; the sheet
    // then has no rows and nothing of it may be printed.
    QString refusal;

    static BalanceSheet collect(PaymentsLedger &ledger);
};

} // namespace veltra
