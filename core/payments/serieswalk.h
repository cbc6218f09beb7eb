#pragma once

#include "core/payments/seriescache.h"

#include <QString>

#include <optional>
#include <vector>

namespace veltra {

class PaymentsLedger;

// Items 1..M of the ledger's series as the payments window shows them when it moves to
// each in turn, taken from the cached files without moving. Moving to item j reads items
// 1..j again; every one of them must be read whole, have an amount and the same owners
// count and name the same series, so that what the window shows depends on those files
// alone and the account cards and the balance read them once instead of once per item
// and owner. The first item that fails refuses the whole walk: nothing is counted from
// part of a series.
class SeriesWalk
{
public:
    // The walk through items 1..m. Nothing, with the message naming the first item that
    // fails in *refusal, when an item cannot be counted; nothing and no refusal when no
    // series is open (m below 1, no type or file) or any of the owners 1..lastOwner is not
    // in the files: then only a move through the window can tell what it shows.
    static std::optional<SeriesWalk> fromFiles(PaymentsLedger &ledger, int m, int lastOwner,
                                               QString *refusal = nullptr);

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
