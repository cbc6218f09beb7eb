#include "core/meeting/proxycheck.h"

#include "core/meeting/meeting.h"
#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingtally.h"
#include "core/state/sharedstate.h"

#include <QMap>

namespace veltra::ProxyCheck {

namespace {

// Names compared as a person reads them: case, and blanks before, after and between words,
// do not make another person.
QString personKey(const QString &name)
{
    return name.simplified().toCaseFolded();
}

struct Delegation
{
    QString delegate;
    QList<int> owners;
    HeadsAndValue represented;
};

QMap<QString, Delegation> delegations(const SharedState &state, const Meeting &meeting, int point)
{
    QMap<QString, Delegation> byDelegate;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        const Attendance attendance = meeting.attendanceAt(owner, point);
        if (state.owner(owner).ownerName.isEmpty() || attendance.presence != Presence::Delegated)
            continue;
        Delegation &delegation = byDelegate[personKey(attendance.delegate)];
        delegation.delegate = attendance.delegate.simplified();
        delegation.owners << owner;
        delegation.represented.add(MeetingFigures::thousandthsOf(state.owner(owner).ownerMillesimi));
    }
    return byDelegate;
}

QString ownerList(const QList<int> &owners)
{
    QStringList numbers;
    for (int owner : owners)
        numbers << QString::number(owner);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QList<Finding> check(const SharedState &state, const Meeting &meeting, int point)
{
    const QuorumResult all = MeetingTally::quorum(state, meeting, point);
    const Share moreThanAFifth{1, 5, true};
    const bool limited = all.participants.heads >= LimitFromOwners;
    const QString administrator = personKey(meeting.administratorName);
    QList<Finding> findings;
    for (const Delegation &delegation : delegations(state, meeting, point)) {
        const QString owners = ownerList(delegation.owners);
        if (!administrator.isEmpty() && personKey(delegation.delegate) == administrator)
            findings << Finding{delegation.delegate, delegation.owners,
                                QStringLiteral("%1 è l'amministratore e non può ricevere deleghe "
                                               "(condomini %2; art. 67 c. 1 disp. att. c.c.)")
                                    .arg(delegation.delegate, owners)};
        const bool tooManyHeads =
            moreThanAFifth.reachedBy(delegation.represented.heads, all.participants.heads);
        const bool tooMuchValue = moreThanAFifth.reachedBy(delegation.represented.thousandths,
                                                           all.participants.thousandths);
        if (limited && (tooManyHeads || tooMuchValue))
            findings << Finding{delegation.delegate, delegation.owners,
                                QStringLiteral("%1 rappresenta %2 condomini per %3 millesimi, più "
                                               "di un quinto dei %4 condomini o del valore "
                                               "(condomini %5; art. 67 c. 1 disp. att. c.c.)")
                                    .arg(delegation.delegate)
                                    .arg(delegation.represented.heads)
                                    .arg(MeetingFigures::millesimiText(delegation.represented.thousandths))
                                    .arg(all.participants.heads)
                                    .arg(owners)};
    }
    return findings;
}

} // namespace veltra::ProxyCheck
