#include "ripartiscicommand.h"

#include "core/expenseallocation.h"
#include "core/expensearchive.h"
#include "core/numbertext.h"
#include "core/ownertablecsv.h"
#include "core/sharedstate.h"

namespace veltra {

namespace {

// The item's file, whichever series it belongs to: a budget file has one line per owner,
// an expense file two, so only one of the two readings reaches the end of the file.
ExpenseArchive::LoadResult loadEitherType(const QString &path, bool &withPayments)
{
    withPayments = false;
    const ExpenseArchive::LoadResult budget = ExpenseArchive::load(path, false);
    if (budget.isComplete() || !budget.opened)
        return budget;
    const ExpenseArchive::LoadResult expenses = ExpenseArchive::load(path, true);
    if (!expenses.isComplete())
        return budget;
    withPayments = true;
    return expenses;
}

} // namespace

int RipartisciCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << " FILE\n";
        return ExitBadArguments;
    }
    const QString &path = arguments.first();
    bool withPayments = false;
    const ExpenseArchive::LoadResult loaded = loadEitherType(path, withPayments);
    if (!loaded.opened) {
        err << "veltra-tool: impossibile aprire il file \"" << path << "\"\n";
        return ExitUnreadableFile;
    }
    if (!loaded.isComplete()) {
        err << "veltra-tool: il file \"" << path
            << "\" non è un archivio di spesa leggibile (errore alla riga " << loaded.failedLine
            << ")\n";
        return ExitUnreadableFile;
    }
    SharedState state;
    ExpenseArchive::apply(loaded, state, 1, withPayments);
    const AllocationResult result = allocateExpense(state, 1);
    for (int i : result.clearedPercentOwners) {
        err << "veltra-tool: condomino n." << NumberText::str(i) << ": "
            << percentOverLimitMessage() << "; la sua percentuale fissa non è stata contata\n";
    }
    out << OwnerTableCsv::row({QStringLiteral("n."), QStringLiteral("nome"),
                               QStringLiteral("ripartizione spese")});
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Owner &owner = state.owner(i);
        out << OwnerTableCsv::row({QString::number(i), owner.ownerName, owner.shareAmount});
    }
    return ExitSuccess;
}

} // namespace veltra
