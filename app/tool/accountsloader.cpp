#include "accountsloader.h"

#include "registryloader.h"
#include "toolcommand.h"

#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/meeting/meetingcsv.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

namespace veltra {

namespace {

const QString RegisterPrefix = QStringLiteral("Veltra-contabilita-");

int finish(const AccountsYear::Opening &opening, QTextStream &err)
{
    if (!opening.ok) {
        err << "veltra-tool: " << opening.problem << "\n";
        return ExitUnreadableFile;
    }
    for (const QString &notice : opening.notices)
        err << "veltra-tool: " << notice << "\n";
    return ExitSuccess;
}

} // namespace

int AccountsLoader::load(const QString &commandName, const QString &registerPath, SharedState &state,
                         AccountsYear &year, QTextStream &err)
{
    const AccountsFile::LoadResult file = AccountsFile::load(registerPath);
    if (!file.isComplete()) {
        err << notOpenedLine(registerPath, file.problem.isEmpty() ? QString() : file.problem);
        return ExitUnreadableFile;
    }
    const QString archive = AccountsYear::archiveBeside(registerPath, file.accounts.condoName);
    if (const int loaded = RegistryLoader::load(commandName, {archive}, state, err))
        return loaded;
    return finish(year.openFile(registerPath, state), err);
}

int AccountsLoader::load(const ToolCommand &command, const QStringList &arguments, int count, SharedState &state,
                         AccountsYear &year, QTextStream &err)
{
    if (arguments.size() != count)
        return usage(command, err);
    return load(command.name(), arguments.first(), state, year, err);
}

bool AccountsLoader::readInput(const QString &path, QByteArray &bytes, QTextStream &err)
{
    QString problem;
    bytes = MeetingCsv::readFile(path, &problem);
    if (problem.isEmpty())
        return true;
    err << notOpenedLine(path, problem);
    return false;
}

int AccountsLoader::usage(const ToolCommand &command, QTextStream &err)
{
    err << "veltra-tool: uso: veltra-tool " << command.name() << ' ' << command.argumentsSynopsis() << "\n";
    return ExitBadArguments;
}

int AccountsLoader::loadOrBegin(const QString &commandName, const QString &registerPath,
                                const QString &archivePath, SharedState &state, AccountsYear &year,
                                QTextStream &err)
{
    if (QFileInfo::exists(registerPath))
        return load(commandName, registerPath, state, year, err);
    // "Veltra-contabilita-NAME- YEAR": the condominium and the year are in the name.
    const QString name = QFileInfo(registerPath).fileName();
    const qsizetype blank = name.lastIndexOf(QStringLiteral("- "));
    bool isYear = name.startsWith(RegisterPrefix) && blank > RegisterPrefix.size();
    const int number = isYear ? name.mid(blank + 2).toInt(&isYear) : 0;
    if (!isYear || number < 1900 || number > 9999) {
        err << "veltra-tool: un registro nuovo si chiama \"" << RegisterPrefix << "CONDOMINIO- ANNO\"\n";
        return ExitBadArguments;
    }
    const QString condoName = name.mid(RegisterPrefix.size(), blank - RegisterPrefix.size());
    const QString archive = archivePath.isEmpty() ? AccountsYear::archiveBeside(registerPath, condoName) : archivePath;
    if (const int loaded = RegistryLoader::load(commandName, {archive}, state, err))
        return loaded;
    if (QFileInfo(AccountsFile::pathBeside(archive, number)).absoluteFilePath()
        != QFileInfo(registerPath).absoluteFilePath()) {
        err << "veltra-tool: il registro \"" << registerPath << "\" non è quello dell'archivio \"" << archive
            << "\" (stesso condominio, nella stessa cartella)\n";
        return ExitBadArguments;
    }
    return finish(year.open(archive, state, number), err);
}

} // namespace veltra
