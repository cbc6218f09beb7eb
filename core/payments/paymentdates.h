#pragma once

#include <QString>

namespace veltra {

struct Owner;

// The payment and reminder dates of the ledger besides those the user types.
namespace PaymentDates {

// Ten hyphens: what the window printout and the account cards write into every empty date
// they print. From then on it is a real value, and an owner with it counts as having paid.
inline const QString Marker = QStringLiteral("----------");

// Writes the marker into the owner's empty payment and reminder dates.
void markEmpty(Owner &owner);

// The text a date is printed as once it is marked: the marker for an empty one.
QString marked(const QString &date);

} // namespace PaymentDates

} // namespace veltra
