#pragma once

#include <QString>
#include <QTextStream>

namespace veltra {

class Meeting;
class SharedState;
class StampaCommand;

// The printouts of a meeting, on its file "Veltra-seduta-NAME- YYYY-MM-DD"; the owners and
// their millesimi come from the condominium archive "Veltra-dati-NAME" beside it:
//   stampa verbale SEDUTA          the minutes, or those of "mancata costituzione"
//   stampa foglio-presenze SEDUTA  the attendance sheet to sign at the door
// and on the register of minutes "Veltra-verbali-NAME":
//   stampa registro-verbali REGISTRO  the register whole, with its index
//   stampa registro-nomine REGISTRO   the appointments and revocations of the administrator,
//                                     with the court decrees of "Veltra-decreti-NAME" beside it
namespace MeetingPrintKinds {

void addTo(StampaCommand &command);

// The meeting of file with its condominium; ExitSuccess or the exit code after one line.
int load(const QString &file, SharedState &state, Meeting &meeting, QTextStream &err);

} // namespace MeetingPrintKinds

} // namespace veltra
