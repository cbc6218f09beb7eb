#include "core/payments/paymentletters.h"

#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra::PaymentLetters {

QString dateText(const QDate &today)
{
    return today.toString(QStringLiteral("dd/MM/yyyy"));
}

QList<int> record(SharedState &state, Kind kind, int selector, const QDate &today)
{
    QList<int> owners;
    if (selector > 0) {
        owners.append(std::min(selector, MaxOwners));
    } else {
        for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
            if (state.owner(i).paymentDate.isEmpty())
                owners.append(i);
        }
    }
    for (int i : owners) {
        Owner &owner = state.owner(i);
        (kind == Kind::Reminder ? owner.reminderDate : owner.paymentDate) = dateText(today);
    }
    return owners;
}

} // namespace veltra::PaymentLetters
