#include "anagrafecommand.h"

#include "registerloader.h"

#include "core/registry/registercsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int AnagrafeCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    const int loaded = RegisterLoader::load(name(), argumentsSynopsis(), arguments, 1, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    out << RegisterCsv::build(state);
    return ExitSuccess;
}

} // namespace veltra
