#include "reports/meeting/meetingtexts.h"

#include "core/meeting/meetingfigures.h"
#include "core/state/sharedstate.h"

namespace veltra::MeetingTexts {

QString millesimi(const SharedState &state, int owner)
{
    return MeetingFigures::millesimiText(MeetingFigures::thousandthsOf(state.owner(owner).ownerMillesimi));
}

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QStringLiteral("____");
}

QString ownersText(int heads)
{
    return QString::number(heads) + (heads == 1 ? QStringLiteral(" condomino") : QStringLiteral(" condomini"));
}

QString voteText(Vote vote)
{
    switch (vote) {
    case Vote::For:
        return QStringLiteral("favorevole");
    case Vote::Against:
        return QStringLiteral("contrario");
    case Vote::Abstained:
        return QStringLiteral("astenuto");
    case Vote::None:
        break;
    }
    return QStringLiteral("non ha votato");
}

} // namespace veltra::MeetingTexts
