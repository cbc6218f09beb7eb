#pragma once

#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The dates typed into an expense item and its payments ledger, judged as days of the
// calendar (CalendarDate): what the windows' checks and the saves tell the user when one
// is not.
namespace DateFaults {

// Why the date of item k cannot stand ("31/02/2026", "2026-13-01"); nothing for a day of
// the calendar in the form gg/mm/aaaa, and nothing for an empty date, which is a missing
// datum of its own.
std::optional<QString> itemDate(int k, const QString &date);

// Whether a payment or reminder date can stand: empty (none recorded), the marker of the
// printouts, or a day of the calendar in the form gg/mm/aaaa.
bool isLedgerDate(const QString &date);

// The first owner 1..ownerCount whose payment or reminder date of item k cannot stand,
// named with the date in a message that starts "Condomino n. i:"; nothing when all can.
std::optional<QString> ledgerDates(const SharedState &state, int k);

} // namespace DateFaults

} // namespace veltra
