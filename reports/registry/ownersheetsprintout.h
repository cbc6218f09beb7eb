#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

class SharedState;

// The analytic sheet of each owner: his data and millesimi, the legend of the unit columns
// and the table of his units with their surfaces, coefficients and millesimi.
class OwnerSheetsPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // The sheet of printOwner alone when above 0, otherwise the sheets of owners 1 to
    // ownerCount, each on a new page.
    static ReportDocument build(const SharedState &state, int printOwner);
    // Appends those sheets to a document already begun.
    static void appendSheets(ReportDocument &document, const SharedState &state, int printOwner);
};

} // namespace veltra
