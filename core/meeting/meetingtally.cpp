#include "core/meeting/meetingtally.h"

#include "core/meeting/meeting.h"
#include "core/meeting/meetingfigures.h"
#include "core/state/sharedstate.h"

namespace veltra::MeetingTally {

namespace {

const Share Majority{1, 2, true};
const Share TwoThirds{2, 3, false};
const Share OneThird{1, 3, false};

bool isParticipant(const SharedState &state, int owner)
{
    return !state.owner(owner).ownerName.isEmpty();
}

bool attends(const Meeting &meeting, int owner, int point)
{
    return meeting.attendanceAt(owner, point).presence != Presence::Absent;
}

void countVote(PointResult &result, Vote vote, qint64 thousandths)
{
    if (vote == Vote::For)
        result.inFavour.add(thousandths);
    else if (vote == Vote::Against)
        result.against.add(thousandths);
    else if (vote == Vote::Abstained)
        result.abstained.add(thousandths);
}

void countPoint(const SharedState &state, const Meeting &meeting, int point, PointResult &result)
{
    const MeetingPoint &agendaPoint = meeting.points.at(point - 1);
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!isParticipant(state, owner) || !agendaPoint.isEntitled(owner))
            continue;
        const qint64 thousandths = MeetingFigures::thousandthsOf(state.owner(owner).ownerMillesimi);
        result.participants.add(thousandths);
        if (!attends(meeting, owner, point))
            continue;
        result.attendees.add(thousandths);
        countVote(result, agendaPoint.vote(owner), thousandths);
    }
}

void applyShares(const CallThreshold &threshold, PointResult &result)
{
    const HeadsAndValue &base = threshold.headsBase == CallThreshold::HeadsBase::Attendees
        ? result.attendees
        : result.participants;
    result.requiredHeads = int(requiredPart(threshold.heads, base.heads));
    result.requiredThousandths = requiredPart(threshold.value, result.participants.thousandths);
    result.approved = threshold.heads.reachedBy(result.inFavour.heads, base.heads)
        && threshold.value.reachedBy(result.inFavour.thousandths, result.participants.thousandths);
    result.rule = threshold.rule;
}

void applyRule(const MajorityRule &rule, int call, PointResult &result)
{
    switch (rule.kind) {
    case MajorityRule::Kind::Unanimity:
        result.requiredHeads = result.participants.heads;
        result.requiredThousandths = result.participants.thousandths;
        result.approved = result.inFavour.heads == result.participants.heads;
        result.rule = rule.rule;
        return;
    case MajorityRule::Kind::NotDecidable:
        result.rule = rule.rule;
        return;
    case MajorityRule::Kind::Shares:
        if (rule.covers(call))
            applyShares(*rule.calls[call - 1], result);
        return;
    }
}

} // namespace

qint64 requiredPart(const Share &share, qint64 whole)
{
    if (share.isNone())
        return 0;
    const qint64 product = whole * share.numerator;
    if (share.strictlyMore)
        return product / share.denominator + 1;
    return (product + share.denominator - 1) / share.denominator;
}

QuorumResult quorum(const SharedState &state, const Meeting &meeting, int point)
{
    QuorumResult result;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!isParticipant(state, owner))
            continue;
        const qint64 thousandths = MeetingFigures::thousandthsOf(state.owner(owner).ownerMillesimi);
        result.participants.add(thousandths);
        if (attends(meeting, owner, point))
            result.attendees.add(thousandths);
    }
    const bool first = meeting.call != 2;
    const Share &heads = first ? Majority : OneThird;
    const Share &value = first ? TwoThirds : OneThird;
    result.requiredHeads = int(requiredPart(heads, result.participants.heads));
    result.requiredThousandths = requiredPart(value, result.participants.thousandths);
    result.constituted = heads.reachedBy(result.attendees.heads, result.participants.heads)
        && value.reachedBy(result.attendees.thousandths, result.participants.thousandths);
    result.rule = first ? QStringLiteral("art. 1136 c. 1 c.c.") : QStringLiteral("art. 1136 c. 3 c.c.");
    return result;
}

PointResult pointResult(const SharedState &state, const Meeting &meeting, int point,
                        const MajorityRule &rule)
{
    PointResult result;
    if (point < 1 || point > meeting.points.size())
        return result;
    countPoint(state, meeting, point, result);
    const QuorumResult constitution = quorum(state, meeting, point);
    if (!constitution.constituted) {
        result.rule = QStringLiteral("assemblea non costituita, ") + constitution.rule;
        return result;
    }
    applyRule(rule, meeting.call, result);
    return result;
}

} // namespace veltra::MeetingTally
