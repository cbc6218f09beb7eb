#include "reports/registry/completeprintout.h"

#include "core/state/sharedstate.h"
#include "reports/registry/millesimaltableprintout.h"
#include "reports/registry/ownersheetsprintout.h"
#include "reports/document/printstatus.h"

namespace veltra {

QString CompletePrintout::openingStatus()
{
    return PrintStatus::LoadingOwnerData;
}

QString CompletePrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument CompletePrintout::build(const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    OwnerSheetsPrintout::appendSheets(document, state, 0);
    // The justifying that finishes the table comes after the sheets' column alignment, so
    // the unit tables end up justified as well.
    const int table = MillesimalTablePrintout::appendTableSection(document, state,
                                                                  state.ownerCount > 0);
    MillesimalTablePrintout::finish(document, table);
    return document;
}

} // namespace veltra
