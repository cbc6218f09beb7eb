#pragma once

#include "core/payments/seriescache.h"

#include <QString>

#include <optional>
#include <vector>

namespace veltra {

class PaymentsLedger;

// Items 1..M of the ledger's series as the payments window shows them when it moves to
// each in turn, taken from the cached files without moving. Moving to item j reads items
// 1..j again; when every one of them is read whole, has an amount and the same owners
// count and names the same series, what the window then shows depends on those files
// alone, so the account cards and the balance can read them once instead of once per
// item and owner. Otherwise moving can depend on what memory held before, and the
// printouts move the window for real.
class SeriesWalk
{
public:
    // The walk through items 1..m, or nothing when moving could depend on memory, or when
    // any of the owners 1..lastOwner is not in every file.
    static std::optional<SeriesWalk> fromFiles(PaymentsLedger &ledger, int m, int lastOwner);

    int itemCount() const { return int(m_files.size()); }
    int ownerCount() const { return m_ownerCount; }
    // Item j (1..itemCount()) as read from its file.
    const ExpenseArchive::LoadResult &file(int j) const { return *m_files[j - 1]; }
    // The running totals after the last item: the condominium's as shown, owner i's in euro.
    QString shownTotal() const { return m_shownTotal; }
    double ownerTotal(int i) const { return m_ownerTotals[i - 1]; }

    // Moves the window to the last item as the walk through every item leaves it: each
    // item read once, so that the move finds every earlier amount in memory.
    void leaveOnLastItem(PaymentsLedger &ledger) const;

private:
    SeriesWalk() = default;
    void addRunningTotals(const ExpenseArchive::LoadResult &file);

    std::vector<SeriesCache::File> m_files;
    int m_ownerCount = 0;
    QString m_shownTotal = QStringLiteral("0");
    std::vector<double> m_ownerTotals;
};

} // namespace veltra
