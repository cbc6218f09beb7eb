#include "registrocommand.h"

#include "accountsloader.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int RegistroCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(*this, arguments, 1, state, year, err))
        return loaded;
    out << QString::fromUtf8(MovementsCsv::write(year.accounts()));
    return ExitSuccess;
}

} // namespace veltra
