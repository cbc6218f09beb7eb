#include "core/payments/serieswalk.h"

#include "core/expenses/expensefilename.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"

namespace veltra {

namespace {

// Every later name of the series is built from the name and item 1's year that reading
// item 1 leaves in memory: they must be those the first name was built from.
bool namesTheSameSeries(const ExpenseArchive::LoadResult &file, const SharedState &state)
{
    return file.condoName == state.condoName
        && ExpenseFileName::yearOf(file.expenseDate)
        == ExpenseFileName::yearOf(state.item(1).expenseDate);
}

} // namespace

std::optional<SeriesWalk> SeriesWalk::fromFiles(PaymentsLedger &ledger, int m, int lastOwner)
{
    if (m < 1 || m > MaxItems || ledger.managementType() == ManagementType::None
        || ledger.archiveFileName().isEmpty())
        return std::nullopt;
    SeriesWalk walk;
    for (int j = 1; j <= m; ++j) {
        const std::optional<QString> name = ledger.itemFileName(j);
        if (!name)
            return std::nullopt;
        SeriesCache::File file = ledger.cache().load(*name, ledger.withPayments());
        if (!file->isComplete() || file->expenseAmount.isEmpty()
            || !namesTheSameSeries(*file, ledger.state()))
            return std::nullopt;
        if (j == 1)
            walk.m_ownerCount = int(file->owners.size());
        if (int(file->owners.size()) != walk.m_ownerCount)
            return std::nullopt;
        walk.m_files.push_back(std::move(file));
    }
    if (lastOwner > walk.m_ownerCount)
        return std::nullopt;
    walk.m_ownerTotals.assign(walk.m_ownerCount, 0.0);
    for (const SeriesCache::File &file : walk.m_files)
        walk.addRunningTotals(*file);
    return walk;
}

void SeriesWalk::leaveOnLastItem(PaymentsLedger &ledger) const
{
    for (int j = 1; j <= itemCount(); ++j) {
        const ExpenseArchive::LoadResult &read = file(j);
        ledger.state().item(j) = ExpenseItem{read.expenseAmount, read.expenseType, read.expenseDate};
    }
    ledger.goToItem(itemCount());
}

// In the order the moves add them, so that the sums come out the same to the last bit.
void SeriesWalk::addRunningTotals(const ExpenseArchive::LoadResult &file)
{
    if (PaymentsLedger::addsToOwnerTotals(file.expenseAmount)) {
        for (int i = 0; i < m_ownerCount; ++i)
            m_ownerTotals[i] += PaymentsLedger::shareValue(file.owners[i].shareAmount);
    }
    m_shownTotal = PaymentsLedger::addToShownTotal(m_shownTotal, file.expenseAmount);
}

} // namespace veltra
