#include "meterreadingsimport.h"

#include "toolcommand.h"

#include "core/expenses/meterreadingscsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int MeterReadingsImport::apply(const QString &path, SharedState &state, QTextStream &err)
{
    const MeterReadingsCsv::Result readings = MeterReadingsCsv::load(path, state.ownerCount);
    if (!readings.ok) {
        err << "veltra-tool: le letture del file \"" << path << "\" non sono state importate: "
            << readings.problem << "\n";
        return ExitDataRejected;
    }
    MeterReadingsCsv::apply(readings, state);
    return ExitSuccess;
}

} // namespace veltra
