#pragma once

#include "core/accounts/accountmovement.h"

#include <QList>

namespace veltra {

class AccountsRegister;
class YearSeries;

// One owner's account for the year: what he owed or was owed at the start, his share of
// each item of the year's expenses, what he paid and what was paid back to him. Positive
// amounts are what he owes.
struct OwnerLedger
{
    struct Share
    {
        int item = 0;
        QString description;
        long long cents = 0;
    };

    int owner = 0;
    long long openingCents = 0;
    QList<Share> shares;
    QList<AccountMovement> movements; // his receipts and refunds, in chronological order

    long long sharesCents() const;
    long long paidCents() const; // receipts less refunds
    long long balanceCents() const { return openingCents + sharesCents() - paidCents(); }

    static OwnerLedger of(const AccountsRegister &accounts, const YearSeries &series, int owner);
    // What the owner owes for the whole year before any payment: opening and shares.
    static long long due(const AccountsRegister &accounts, const YearSeries &series, int owner);
};

} // namespace veltra
