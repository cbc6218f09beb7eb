#include "controllacontabilitacommand.h"

#include "accountsloader.h"

#include "core/accounts/accountscheck.h"
#include "core/accounts/accountsyear.h"
#include "core/state/sharedstate.h"

namespace veltra {

int ControllaContabilitaCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(*this, arguments, 1, state, year, err))
        return loaded;
    bool errors = false;
    for (const AccountsCheck::Finding &finding : AccountsCheck::check(year.accounts(), year.series(), state)) {
        out << (finding.warning ? "avviso: " : "errore: ") << finding.text << "\n";
        errors = errors || !finding.warning;
    }
    return errors ? ExitDataRejected : ExitSuccess;
}

} // namespace veltra
