#pragma once

#include "core/expenses/managementtype.h"
#include "core/payments/accountcards.h"
#include "reports/document/reportdocument.h"

namespace veltra {

// The account cards ("scheda"): per owner, every archived item in one table with his
// payment and reminder dates and his share, and the totals; one card per page.
class AccountCardsPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    static ReportDocument build(const QList<AccountCard> &cards, ManagementType type);

    // The rows of a card's table as printed: heading, one row per item, totals.
    static QList<QStringList> tableRows(const AccountCard &card);
};

} // namespace veltra
