#pragma once

#include "core/expenses/managementtype.h"
#include "core/payments/balancesheet.h"
#include "reports/document/reportdocument.h"

namespace veltra {

// The yearly balance ("Bilancio annuale"): per archived item the income from the owners
// who paid, what is still to be paid and what was spent, in euro, with the totals row.
class BalancePrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    static ReportDocument build(const BalanceSheet &sheet, ManagementType type);

    // The rows of the balance table as printed: heading, one row per item, totals.
    static QList<QStringList> tableRows(const BalanceSheet &sheet);
};

} // namespace veltra
