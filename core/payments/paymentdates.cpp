#include "core/payments/paymentdates.h"

#include "core/state/owner.h"

namespace veltra::PaymentDates {

void markEmpty(Owner &owner)
{
    owner.paymentDate = marked(owner.paymentDate);
    owner.reminderDate = marked(owner.reminderDate);
}

QString marked(const QString &date)
{
    return date.isEmpty() ? Marker : date;
}

} // namespace veltra::PaymentDates
