#pragma once

#include "core/expenses/managementtype.h"
#include "reports/document/reportdocument.h"

namespace veltra {

class PaymentsLedger;
class SharedState;

// The payments window printout ("Dati finestra"): the current item, a legend and the table
// of all owners with their shares, payment and reminder dates and running totals. Every
// empty date it prints is first marked in the ledger ("----------").
class PaymentsWindowPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // The section of the current item; with allItems ("Tutti i dati archiviati (dalla
    // spesa corrente)") the window then moves to each following item and appends its
    // section while the item has an amount: it is left on the first item without one.
    static ReportDocument build(PaymentsLedger &ledger, bool allItems);

    // Appends the section of item k (1..200) as the state holds it now; shownTotal is the
    // condominium's running total as the window shows it.
    static void appendSection(ReportDocument &document, const SharedState &state, int k,
                              ManagementType type, const QString &shownTotal);
};

} // namespace veltra
