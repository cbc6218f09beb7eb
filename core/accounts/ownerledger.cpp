#include "core/accounts/ownerledger.h"

#include "core/accounts/accountsregister.h"
#include "core/accounts/yearseries.h"

namespace veltra {

long long OwnerLedger::sharesCents() const
{
    long long cents = 0;
    for (const Share &share : shares)
        cents += share.cents;
    return cents;
}

long long OwnerLedger::paidCents() const
{
    long long cents = 0;
    for (const AccountMovement &movement : movements)
        cents += movement.signedCents();
    return cents;
}

OwnerLedger OwnerLedger::of(const AccountsRegister &accounts, const YearSeries &series, int owner)
{
    OwnerLedger ledger;
    ledger.owner = owner;
    ledger.openingCents = accounts.ownerOpenings.value(owner);
    for (const SeriesItem &item : series.items) {
        if (item.shares.contains(owner))
            ledger.shares << Share{item.number, item.description, item.shares.value(owner)};
    }
    for (int index : accounts.chronological()) {
        const AccountMovement &movement = accounts.movements().at(index);
        if (movement.owner == owner)
            ledger.movements << movement;
    }
    return ledger;
}

long long OwnerLedger::due(const AccountsRegister &accounts, const YearSeries &series, int owner)
{
    long long cents = accounts.ownerOpenings.value(owner);
    for (const SeriesItem &item : series.items)
        cents += item.shares.value(owner);
    return cents;
}

} // namespace veltra
