#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

struct AdministratorDetails;
class Meeting;
class SharedState;
struct Majority;

// The minutes of a meeting: when, where or on which platform, which call, chair and
// secretary, the notice the owners were convened by, the attendance with millesimi, the
// constitutive quorum with its figures, the proxies beyond the limits, then each point
// with its discussion, arrivals and departures, votes by name and millesimi, result and
// rule, and the statements; the closing time and the signatures; last, for each resolution,
// who may challenge it and until when (art. 1137 c.c.). A meeting that was not constituted
// gives the minutes of "mancata costituzione" with the attendance found.
namespace MinutesPrintout {

// The matters of the majorities table, by number from 1.
ReportDocument build(const SharedState &state, const Meeting &meeting,
                     const QList<Majority> &matters, const AdministratorDetails &administrator);

} // namespace MinutesPrintout

} // namespace veltra
