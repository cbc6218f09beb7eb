#include "importaletturecommand.h"

#include "expenseitemloader.h"
#include "meterreadingsimport.h"
#include "ripartiscicommand.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/state/sharedstate.h"

namespace veltra {

namespace {

// The readings go first, so that the item is never left with shares of readings not kept.
int saveItem(const QString &path, const SharedState &state, const ExpenseItemLoader::Item &item,
             QTextStream &err)
{
    QString error;
    const QString companion = MeterReadingsFile::companionPath(path);
    if (!MeterReadingsFile::save(state, companion, &error)) {
        err << "veltra-tool: il file \"" << companion << "\" non è stato salvato: " << error << "\n";
        return ExitDataRejected;
    }
    if (!ExpenseArchive::save(state, item.k, item.type == ManagementType::Spese, path, &error)) {
        err << "veltra-tool: il file \"" << path << "\" non è stato salvato: " << error << "\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

} // namespace

int ImportaLettureCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 2) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    ExpenseItemLoader::Item item;
    const int loaded = ExpenseItemLoader::load(arguments.at(0), state, item, err);
    if (loaded != ExitSuccess)
        return loaded;
    if (state.calcType != MeteredHeating) {
        err << "veltra-tool: la spesa non è ripartita come riscaldamento a contabilizzazione: "
               "sceglierne il criterio nella finestra Spese e salvarla prima di importare le "
               "letture\n";
        return ExitDataRejected;
    }
    const int imported = MeterReadingsImport::apply(arguments.at(1), state, err);
    if (imported != ExitSuccess)
        return imported;
    allocateExpense(state, item.k);
    const int saved = saveItem(arguments.at(0), state, item, err);
    if (saved != ExitSuccess)
        return saved;
    RipartisciCommand::printShares(state, out);
    return ExitSuccess;
}

} // namespace veltra
