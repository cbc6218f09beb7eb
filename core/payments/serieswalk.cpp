#include "core/payments/serieswalk.h"

#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

namespace veltra {

namespace {

// What the files alone cannot settle: a move would count what memory holds in its place.
QString walkRefusal(int j, const QString &path, const ExpenseArchive::LoadResult &file,
                    int ownerCount)
{
    QString reason;
    if (file.expenseAmount.isEmpty())
        reason = QStringLiteral("non ha la somma da ripartire");
    else if (j > 1 && int(file.owners.size()) != ownerCount)
        reason = QStringLiteral("ha %1 condomini, la spesa n.1 ne ha %2")
                     .arg(file.owners.size())
                     .arg(ownerCount);
    if (reason.isEmpty())
        return reason;
    return QString::fromUtf8("La spesa n.%1 (file \"%2\") non è stata contata: %3.")
        .arg(QString::number(j), QFileInfo(path).fileName(), reason);
}

} // namespace

std::optional<SeriesWalk> SeriesWalk::fromFiles(PaymentsLedger &ledger, int m, int lastOwner,
                                                QString *refusal)
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
        QString reason = ledger.itemRefusal(j, *name, *file, true);
        if (reason.isEmpty())
            reason = walkRefusal(j, *name, *file, walk.m_ownerCount);
        if (!reason.isEmpty()) {
            if (refusal)
                *refusal = reason;
            return std::nullopt;
        }
        if (j == 1)
            walk.m_ownerCount = int(file->owners.size());
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
