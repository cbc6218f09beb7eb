#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

// The blank data-collection form the administrator fills in by hand at the building: the
// coefficient tables to choose from and an empty unit grid. It needs no data.
class DataFormPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    static ReportDocument build();
};

} // namespace veltra
