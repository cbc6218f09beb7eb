#include "registerloader.h"

#include "registryloader.h"
#include "toolcommand.h"

#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

namespace veltra {

int RegisterLoader::load(const QString &commandName, const QString &archivePath,
                         SharedState &state, QTextStream &err)
{
    const int loaded = RegistryLoader::load(commandName, {archivePath}, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    const QString message = RegisterFile::loadBeside(state, archivePath);
    if (!state.anagrafe.refusedFile.isEmpty()) {
        err << "veltra-tool: " << message << "\n";
        return ExitUnreadableFile;
    }
    if (!message.isEmpty())
        err << "veltra-tool: " << QString(message).replace(QLatin1Char('\n'), QStringLiteral("\nveltra-tool: "))
            << "\n";
    return ExitSuccess;
}

int RegisterLoader::load(const QString &commandName, const QString &synopsis,
                         const QStringList &arguments, int count, SharedState &state,
                         QTextStream &err)
{
    if (arguments.size() != count) {
        err << "veltra-tool: uso: veltra-tool " << commandName << ' ' << synopsis << "\n";
        return ExitBadArguments;
    }
    return load(commandName, arguments.first(), state, err);
}

int RegisterLoader::mismatchCount(const SharedState &state, const QString &archivePath)
{
    const QString path = RegisterFile::pathBeside(archivePath);
    if (!QFileInfo::exists(path))
        return 0;
    return int(RegisterFile::mismatches(RegisterFile::load(path), state).size());
}

} // namespace veltra
