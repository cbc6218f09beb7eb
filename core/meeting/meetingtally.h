#pragma once

#include "core/meeting/majorityrule.h"

#include <QString>

namespace veltra {

class Meeting;
class SharedState;
struct MeetingPoint;

// A count of owners (heads) and of their millesimi, in thousandths of a millesimo.
struct HeadsAndValue
{
    int heads = 0;
    qint64 thousandths = 0;

    void add(qint64 ownerThousandths)
    {
        ++heads;
        thousandths += ownerThousandths;
    }
};

// Whether the assembly is validly constituted: who attends against all the participants.
struct QuorumResult
{
    HeadsAndValue attendees;
    HeadsAndValue participants;
    int requiredHeads = 0;       // the fewest attendees that constitute the assembly
    qint64 requiredThousandths = 0;
    bool constituted = false;
    QString rule; // "art. 1136 c. 1 c.c."
};

// The result of the vote on one agenda point.
struct PointResult
{
    HeadsAndValue inFavour;
    HeadsAndValue against;
    HeadsAndValue abstained;
    HeadsAndValue attendees;    // the entitled owners attending
    HeadsAndValue participants; // the entitled owners, attending or not
    int requiredHeads = 0;      // the fewest heads in favour that pass it; 0 when none can
    qint64 requiredThousandths = 0;
    bool approved = false;
    QString rule;
};

// The live figures of a meeting: the constitutive quorum and each point's result, from the
// owners and property millesimi of the state. Each owner is one head: co-owners of a unit,
// recorded as one owner, count once (art. 67 c. 2 disp. att. c.c.).
namespace MeetingTally {

// The quorum while point is discussed (0: at the opening), for the call the meeting holds:
// first call, a majority of the participants and two thirds of the value (art. 1136 c. 1);
// second call, a third of the participants and a third of the value (art. 1136 c. 3).
QuorumResult quorum(const SharedState &state, const Meeting &meeting, int point = 0);

// The vote on point (1-based) under rule, counting the entitled attendees at that point.
PointResult pointResult(const SharedState &state, const Meeting &meeting, int point,
                        const MajorityRule &rule);

// The fewest of whole that reach share: the heads or thousandths a threshold requires.
qint64 requiredPart(const Share &share, qint64 whole);

} // namespace MeetingTally

} // namespace veltra
