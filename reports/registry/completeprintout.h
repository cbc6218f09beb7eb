#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

class SharedState;

// The complete print: every owner's sheet, then the millesimal table on a new page.
class CompletePrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    static ReportDocument build(const SharedState &state);
};

} // namespace veltra
