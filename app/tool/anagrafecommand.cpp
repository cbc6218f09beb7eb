#include "anagrafecommand.h"

#include "registerloader.h"

#include "core/registry/registercsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int AnagrafeCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    const int loaded = RegisterLoader::load(name(), arguments.first(), state, err);
    if (loaded != ExitSuccess)
        return loaded;
    out << RegisterCsv::build(state);
    return ExitSuccess;
}

} // namespace veltra
