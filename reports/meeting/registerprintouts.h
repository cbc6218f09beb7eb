#pragma once

#include "core/meeting/decreefile.h"
#include "core/meeting/minutesregister.h"
#include "reports/document/reportdocument.h"

#include <QDate>

namespace veltra {

struct AdministratorDetails;
class Meeting;
class SharedState;
struct Majority;

// The two registers the meeting feeds (art. 1130 n. 7 c.c.): the register of minutes and
// the register of appointments and revocations of the administrator.
namespace RegisterPrintouts {

// The entry that transcribes the minutes of meeting on day: the minutes' paragraphs and
// table rows one a line, and the resolutions on the administrator (matter 7) approved.
MinutesEntry entryFor(const SharedState &state, const Meeting &meeting, const QList<Majority> &matters,
                      const AdministratorDetails &administrator, const QDate &day);

// The register of minutes whole: its index, then every entry on its own page.
ReportDocument minutesRegister(const QString &condoName, const QList<MinutesEntry> &entries);

// The register of appointments and revocations of the administrator: the resolutions of the
// register's entries and the court decrees, by date; on one day the resolutions come first,
// in the order of the register, then the decrees in the order typed.
ReportDocument appointmentsRegister(const QString &condoName, const QList<MinutesEntry> &entries,
                                    const QList<CourtDecree> &decrees);

} // namespace RegisterPrintouts

} // namespace veltra
