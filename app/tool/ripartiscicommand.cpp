#include "ripartiscicommand.h"

#include "expenseitemloader.h"
#include "toolcommand.h"

#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"

namespace veltra {

int RipartisciCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << " FILE\n";
        return ExitBadArguments;
    }
    SharedState state;
    ExpenseItemLoader::Item item;
    const int loaded = ExpenseItemLoader::load(arguments.first(), state, item, err);
    if (loaded != ExitSuccess)
        return loaded;
    out << OwnerTableCsv::row({QStringLiteral("n."), QStringLiteral("nome"),
                               QStringLiteral("ripartizione spese")});
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Owner &owner = state.owner(i);
        out << OwnerTableCsv::row({QString::number(i), owner.ownerName, owner.shareAmount});
    }
    return ExitSuccess;
}

} // namespace veltra
