#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

class SharedState;

// The owner/tenant split printed whole: the condominium line, the number of owners, the
// heading and the table of the 74 kinds of expense with the landlord's and the tenant's
// percentages, right-aligned.
class TenantSplitPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // The printout for the condominium of state; its table has a heading row and one row
    // per kind of expense, 5 columns at 8 points.
    static ReportDocument build(const SharedState &state);
};

} // namespace veltra
