#include "registrocommand.h"

#include "accountsloader.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int RegistroCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(name(), arguments.first(), state, year, err))
        return loaded;
    out << QString::fromUtf8(MovementsCsv::write(year.accounts()));
    return ExitSuccess;
}

} // namespace veltra
