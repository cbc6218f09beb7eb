#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace veltra {

// Dates as the user types them, "gg/mm/aaaa": day and month of one or two digits, the year
// of four, blanks around the whole allowed. Nothing else is read as a date, so that a
// doubtful text is named to the user rather than guessed.
namespace CalendarDate {

// The day the text names; nothing when it is not in that form or names no day of the
// calendar (31/02/2027).
std::optional<QDate> read(const QString &text);

} // namespace CalendarDate

} // namespace veltra
