#include "importamovimenticommand.h"

#include "accountsloader.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int ImportaMovimentiCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 3 || arguments.at(1) != QStringLiteral("--contabilita"))
        return AccountsLoader::usage(*this, err);
    QByteArray bytes;
    if (!AccountsLoader::readInput(arguments.first(), bytes, err))
        return ExitUnreadableFile;
    const MovementsCsv::Result incoming = MovementsCsv::read(bytes);
    if (!incoming.ok) {
        err << "veltra-tool: \"" << arguments.first() << "\", " << incoming.problem << "\n";
        return ExitDataRejected;
    }
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::loadOrBegin(name(), arguments.at(2), QString(), state, year, err))
        return loaded;
    QString error;
    int added = 0;
    if (!year.merge(incoming.accounts, &error, &added)) {
        err << "veltra-tool: nulla è stato scritto nel registro: " << error << "\n";
        return ExitDataRejected;
    }
    out << "movimenti aggiunti al registro \"" << year.path() << "\": " << added << "\n";
    return ExitSuccess;
}

} // namespace veltra
