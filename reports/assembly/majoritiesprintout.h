#pragma once

#include "library/assembly/majoritytable.h"
#include "reports/document/reportdocument.h"

namespace veltra {

class SharedState;

// The table of majorities as the assembly window prints it: the condominium's name and
// number of owners, the heading, then each matter's caption followed by its majority.
class MajoritiesPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // The printout of majorities for the condominium of state (its name may be empty and its
    // owner count 0). Each matter gives two PARAGRAPH blocks at 10 points: the caption and a
    // line end, the text (one paragraph per line) and an empty line.
    static ReportDocument build(const SharedState &state, const QList<Majority> &majorities);
};

} // namespace veltra
