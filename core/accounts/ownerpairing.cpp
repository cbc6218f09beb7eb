#include "core/accounts/ownerpairing.h"

#include "core/accounts/accountsregister.h"
#include "core/state/sharedstate.h"

#include <QMap>
#include <QSet>

namespace veltra::OwnerPairing {

namespace {

QSet<int> ownersUsed(const AccountsRegister &accounts)
{
    QSet<int> used;
    for (const AccountMovement &movement : accounts.movements()) {
        if (movement.owner > 0)
            used.insert(movement.owner);
    }
    for (auto it = accounts.ownerOpenings.constBegin(); it != accounts.ownerOpenings.constEnd(); ++it)
        used.insert(it.key());
    return used;
}

// The number the archive holds name under, when it holds it under exactly one.
int onlyNumberOf(const SharedState &state, const QString &name)
{
    int found = 0;
    for (int i = 1; i <= MaxOwners; ++i) {
        if (state.owner(i).ownerName != name)
            continue;
        if (found > 0)
            return 0;
        found = i;
    }
    return found;
}

} // namespace

QStringList follow(AccountsRegister &accounts, const SharedState &state)
{
    QStringList messages;
    QMap<int, int> moves;
    for (int owner : ownersUsed(accounts)) {
        const QString saved = accounts.ownerNames.value(owner);
        if (saved.isEmpty() || owner > MaxOwners || state.owner(owner).ownerName == saved)
            continue;
        const int now = onlyNumberOf(state, saved);
        if (now > 0) {
            moves.insert(owner, now);
            messages << QStringLiteral("%1: dal n. %2 al n. %3").arg(saved).arg(owner).arg(now);
        } else if (!state.owner(owner).ownerName.isEmpty() && onlyNumberOf(state, state.owner(owner).ownerName) == owner
                   && !accounts.ownerNames.values().contains(state.owner(owner).ownerName)) {
            // Another name under the same number, and no other trace of either: a name
            // corrected in the archive, and the owner is the same.
            continue;
        } else {
            moves.insert(owner, 0);
            messages << QStringLiteral("%1 (n. %2) non è più tra i condomini: i suoi movimenti restano a suo nome")
                            .arg(saved).arg(owner);
        }
    }
    for (const QString &name : accounts.renumberOwners(moves))
        messages << QStringLiteral("il saldo iniziale di %1 non ha più un condomino a cui andare").arg(name);
    accounts.ownerNames.clear();
    for (int owner : ownersUsed(accounts)) {
        if (owner <= MaxOwners)
            accounts.ownerNames.insert(owner, state.owner(owner).ownerName);
    }
    return messages;
}

} // namespace veltra::OwnerPairing
