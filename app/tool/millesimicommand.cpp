#include "millesimicommand.h"

#include "registryloader.h"

#include "core/registry/millesimalcomputation.h"
#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int MillesimiCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    const int loaded = RegistryLoader::load(name(), arguments, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    // A table computed only in part would mix new and stored millesimi.
    if (!recomputeTables(state)) {
        err << "veltra-tool: calcolo interrotto: una superficie o un coefficiente è vuoto o "
               "non è un numero (usare \"verifica\")\n";
        return ExitDataRejected;
    }
    out << OwnerTableCsv::build(state);
    return ExitSuccess;
}

} // namespace veltra
