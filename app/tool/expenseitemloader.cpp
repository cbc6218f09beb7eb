#include "expenseitemloader.h"

#include "toolcommand.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace veltra {

namespace {

// Item k of a series ends its name with a blank and the number k.
const QRegularExpression ItemNumber(QStringLiteral(" (\\d{1,3})$"));

int itemNumberOf(const QString &path)
{
    const QRegularExpressionMatch match = ItemNumber.match(QFileInfo(path).fileName());
    const int k = match.hasMatch() ? match.captured(1).toInt() : 0;
    return k >= 1 && k <= MaxItems ? k : 1;
}

// An expense file has two lines per owner, a budget file one, so only the right reading
// reaches the end of the file; the name's type is tried first.
ExpenseArchive::LoadResult loadEitherType(const QString &path, ManagementType &type)
{
    const bool budgetName = QFileInfo(path).fileName().startsWith(QLatin1String("Veltra-preventivi-"));
    type = budgetName ? ManagementType::Preventivi : ManagementType::Spese;
    const ExpenseArchive::LoadResult first = ExpenseArchive::load(path, !budgetName);
    if (first.isComplete() || !first.opened)
        return first;
    const ExpenseArchive::LoadResult second = ExpenseArchive::load(path, budgetName);
    if (!second.isComplete())
        return first;
    type = budgetName ? ManagementType::Spese : ManagementType::Preventivi;
    return second;
}

void loadEarlierAmounts(const QString &path, const ExpenseItemLoader::Item &item,
                        SharedState &state)
{
    const bool withPayments = item.type == ManagementType::Spese;
    for (int j = 1; j < item.k; ++j) {
        const ExpenseArchive::LoadResult earlier = ExpenseArchive::load(ExpenseItemLoader::siblingPath(path, j),
                                                                        withPayments);
        if (earlier.isComplete())
            state.item(j) = { earlier.expenseAmount, earlier.expenseType, earlier.expenseDate };
    }
}

} // namespace

QString ExpenseItemLoader::siblingPath(const QString &path, int j)
{
    QString sibling = path;
    return sibling.replace(ItemNumber, NumberText::str(j));
}

int ExpenseItemLoader::load(const QString &path, SharedState &state, Item &item,
                            QTextStream &err)
{
    const ExpenseArchive::LoadResult loaded = loadEitherType(path, item.type);
    if (!loaded.opened) {
        err << notOpenedLine(path, loaded.problem);
        return ExitUnreadableFile;
    }
    if (!loaded.isComplete()) {
        err << "veltra-tool: il file \"" << path << "\" non è un archivio di spesa leggibile: "
            << loaded.problem << "\n";
        return ExitUnreadableFile;
    }
    MeterReadingsFile::LoadResult readings;
    if (const std::optional<QString> refusal = MeterReadingsFile::readBeside(path, loaded, readings)) {
        err << "veltra-tool: " << *refusal << "\n";
        return ExitUnreadableFile;
    }
    item.k = itemNumberOf(path);
    ExpenseArchive::apply(loaded, state, item.k, item.type == ManagementType::Spese);
    MeterReadingsFile::applyWithItem(loaded, readings, state);
    loadEarlierAmounts(path, item, state);
    // The window recomputes the shares when it shows an item; so does the printout here.
    const AllocationResult result = allocateExpense(state, item.k);
    for (int i : result.clearedPercentOwners) {
        err << "veltra-tool: condomino n." << NumberText::str(i) << ": "
            << percentOverLimitMessage() << "; la sua percentuale fissa non è stata contata\n";
    }
    return ExitSuccess;
}

} // namespace veltra
