#pragma once

#include "core/meeting/meeting.h"

#include <QString>
#include <QTime>

namespace veltra {

class SharedState;

// The words and figures the meeting's printouts share.
namespace MeetingTexts {

// The owner's property millesimi, "123,456".
QString millesimi(const SharedState &state, int owner);
// "18:30", or a line to fill in by hand when the time was not recorded.
QString timeText(const QTime &time);
// "1 condomino", "7 condomini".
QString ownersText(int heads);
// "favorevole", "contrario", "astenuto" or "non ha votato".
QString voteText(Vote vote);

} // namespace MeetingTexts

} // namespace veltra
