#include "registryloader.h"

#include "toolcommand.h"

#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"

namespace veltra {

int RegistryLoader::load(const QString &commandName, const QStringList &arguments,
                         SharedState &state, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << commandName << " FILE\n";
        return ExitBadArguments;
    }
    const QString &path = arguments.first();
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(path);
    if (!result.opened) {
        err << notOpenedLine(path, result.problem);
        return ExitUnreadableFile;
    }
    if (!result.isComplete()) {
        err << "veltra-tool: il file \"" << path
            << "\" non è un archivio di condominio leggibile" << causeText(result.problem) << "\n";
        return ExitUnreadableFile;
    }
    CondominiumArchive::apply(result, state);
    return ExitSuccess;
}

} // namespace veltra
