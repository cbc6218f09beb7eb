#include "core/accounts/sharelink.h"

#include "core/accounts/accountsregister.h"
#include "core/accounts/yearseries.h"

#include <QMap>
#include <QPair>

namespace veltra::ShareLink {

namespace {

using ShareKey = QPair<int, int>; // item, owner

AccountMovement receiptFor(const SeriesItem &item, int owner, const QDate &day, int account)
{
    AccountMovement movement;
    movement.operationDate = day;
    movement.registrationDate = day;
    movement.account = account;
    movement.receipt = true;
    movement.cents = item.shares.value(owner);
    movement.owner = owner;
    movement.cause = MovementCause::Share;
    movement.item = item.number;
    movement.description = description(item.number, item.description);
    return movement;
}

} // namespace

bool follow(AccountsRegister &accounts, const YearSeries &series)
{
    bool changed = false;
    QMap<ShareKey, int> held;
    QList<int> dropped;
    for (const AccountMovement &movement : accounts.movements()) {
        if (!movement.isSharePayment())
            continue;
        const ShareKey key(movement.item, movement.owner);
        const SeriesItem *item = series.item(movement.item);
        const QDate day = item ? item->paid.value(movement.owner) : QDate();
        if (!day.isValid() || held.contains(key) || item->shares.value(movement.owner) <= 0) {
            dropped << movement.number;
            continue;
        }
        held.insert(key, movement.number);
        if (movement.operationDate != day || movement.cents != item->shares.value(movement.owner)) {
            AccountMovement followed = movement;
            followed.operationDate = day;
            followed.cents = item->shares.value(movement.owner);
            accounts.replace(followed);
            changed = true;
        }
    }
    for (int number : dropped)
        changed = accounts.remove(number) || changed;
    const int account = accounts.firstBankAccount();
    for (const SeriesItem &item : series.items) {
        for (auto it = item.paid.constBegin(); it != item.paid.constEnd(); ++it) {
            if (held.contains(ShareKey(item.number, it.key())) || item.shares.value(it.key()) <= 0)
                continue;
            accounts.add(receiptFor(item, it.key(), it.value(), account));
            changed = true;
        }
    }
    return changed;
}

bool writeToSeries(const YearSeries &series, const QList<AccountMovement> &added,
                   const QList<AccountMovement> &removed, QString *error, bool *wrote)
{
    QMap<int, QMap<int, QDate>> days; // by item, then owner
    for (const AccountMovement &movement : removed) {
        if (movement.isSharePayment())
            days[movement.item].insert(movement.owner, QDate());
    }
    for (const AccountMovement &movement : added) {
        if (movement.isSharePayment())
            days[movement.item].insert(movement.owner, movement.operationDate);
    }
    for (auto it = days.constBegin(); it != days.constEnd(); ++it) {
        const SeriesItem *item = series.item(it.key());
        if (!item) {
            *error = QStringLiteral("la voce %1 non è tra le spese dell'anno").arg(it.key());
            return false;
        }
        if (!YearSeries::writePaymentDays(item->path, it.value(), error))
            return false;
        if (wrote)
            *wrote = true;
    }
    return true;
}

QString description(int item, const QString &itemDescription)
{
    return QStringLiteral("Quota voce %1 - %2").arg(item).arg(itemDescription);
}

} // namespace veltra::ShareLink
