#include "support/seriesfixture.h"

#include "core/expenses/expensearchive.h"
#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensefilename.h"
#include "core/state/sharedstate.h"

#include <QDir>

#include <memory>

namespace veltra::SeriesFixture {

QString writeItem(const QString &folder, ManagementType type, const QString &condo, int k,
                  const Item &item)
{
    return writeItemNamedFor(folder, type, condo, condo,
                             ExpenseFileName::yearOf(item.date).value_or(0), k, item);
}

QString writeItemNamedFor(const QString &folder, ManagementType type, const QString &condo,
                          const QString &seriesCondo, int seriesYear, int k, const Item &item)
{
    auto state = std::make_unique<SharedState>();
    state->condoName = condo;
    state->ownerCount = int(item.shares.size());
    state->calcType = 1;
    state->item(k) = ExpenseItem{item.amount, item.description, item.date};
    for (int i = 1; i <= state->ownerCount; ++i) {
        Owner &owner = state->owner(i);
        owner.takesPart = 1;
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via Roma %1").arg(i);
        owner.ownerMillesimi = Cell::fromNumber(1000.0 / state->ownerCount);
        owner.shareAmount = item.shares.at(i - 1);
        owner.paymentDate = item.paymentDates.value(i - 1);
        owner.reminderDate = item.reminderDates.value(i - 1);
    }
    const QString path =
        QDir(folder).filePath(ExpenseFileName::build(type, seriesCondo, seriesYear, k));
    if (!ExpenseArchive::save(*state, k, type == ManagementType::Spese, path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString writeGenerated(const QString &folder, const QString &condo, int items, int owners)
{
    QString first;
    for (int k = 1; k <= items; ++k) {
        Item item;
        const int cents = 100 * owners * (k % 7 + 1) + k;
        item.amount = formatShare(cents / 100.0);
        item.description = QStringLiteral("spesa %1").arg(k);
        item.date = QStringLiteral("%1/%2/2001").arg(k % 28 + 1).arg(k % 12 + 1);
        for (int i = 1; i <= owners; ++i) {
            item.shares << formatShare((cents / owners + (i <= cents % owners ? 1 : 0)) / 100.0);
            item.paymentDates << ((i + k) % 3 != 0 ? QStringLiteral("%1/%2/2001").arg(i % 28 + 1).arg(k % 12 + 1)
                                                  : QString());
            item.reminderDates << ((i + k) % 5 == 0 ? QStringLiteral("01/%1/2001").arg(k % 12 + 1)
                                                   : QString());
        }
        const QString path = writeItem(folder, ManagementType::Spese, condo, k, item);
        if (k == 1)
            first = path;
    }
    return first;
}

} // namespace veltra::SeriesFixture
