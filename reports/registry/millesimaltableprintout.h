#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

class SharedState;

// The millesimal table of the condominium: every owner's property, use and stairs
// thousandths, with the fixed total 1000,000.
class MillesimalTablePrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    static ReportDocument build(const SharedState &state);
    // Appends the two explanatory paragraphs (the first starting on a new page when
    // newPage) and the table; returns the table's number.
    static int appendTableSection(ReportDocument &document, const SharedState &state, bool newPage);
    // The finishing steps of the section whose table is number `table`.
    static void finish(ReportDocument &document, int table);
};

} // namespace veltra
