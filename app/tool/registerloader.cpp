#include "registerloader.h"

#include "registryloader.h"
#include "toolcommand.h"

#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"


namespace veltra {

int RegisterLoader::load(const QString &commandName, const QString &archivePath,
                         SharedState &state, QTextStream &err, bool *matches)
{
    const int loaded = RegistryLoader::load(commandName, {archivePath}, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    const QString message = RegisterFile::loadBeside(state, archivePath);
    if (!state.anagrafe.refusedFile.isEmpty()) {
        err << "veltra-tool: " << message << "\n";
        return ExitUnreadableFile;
    }
    // Once the file was read whole, a message can only name owners that do not match.
    if (matches)
        *matches = message.isEmpty();
    if (!message.isEmpty())
        err << "veltra-tool: " << QString(message).replace(QLatin1Char('\n'), QStringLiteral("\nveltra-tool: "))
            << "\n";
    return ExitSuccess;
}

int RegisterLoader::load(const QString &commandName, const QString &synopsis,
                         const QStringList &arguments, int count, SharedState &state,
                         QTextStream &err, bool *matches)
{
    if (arguments.size() != count) {
        err << "veltra-tool: uso: veltra-tool " << commandName << ' ' << synopsis << "\n";
        return ExitBadArguments;
    }
    return load(commandName, arguments.first(), state, err, matches);
}

} // namespace veltra
