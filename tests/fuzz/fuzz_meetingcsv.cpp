// The attendance and vote CSVs of a meeting: any bytes are refused whole with one sentence
// naming a row, leaving the meeting as it was, or read into attendance and votes that the
// rules of the meeting allow.

#include "fuzzcheck.h"

#include "core/meeting/meeting.h"
#include "core/meeting/meetingcsv.h"
#include "core/state/sharedstate.h"

#include <memory>

using namespace veltra;

namespace {

void requireRefusal(const MeetingCsv::Result &result, const Meeting &meeting, const Meeting &before)
{
    fuzz::require(result.problem.startsWith(QStringLiteral("riga ")), "a refusal names the row", result.problem);
    fuzz::require(!result.problem.contains(QLatin1Char('\n')), "a refusal is one sentence", result.problem);
    fuzz::require(meeting.points.size() == before.points.size(), "a refused file changes nothing");
}

void requireVotesOfAttendees(const Meeting &meeting)
{
    for (int point = 1; point <= meeting.points.size(); ++point) {
        for (auto vote = meeting.points.at(point - 1).votes.cbegin(); vote != meeting.points.at(point - 1).votes.cend(); ++vote)
            fuzz::require(meeting.attendanceAt(vote.key(), point).presence != Presence::Absent,
                          "only attendees vote");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::unique_ptr<SharedState> state = [] {
        auto made = std::make_unique<SharedState>();
        for (int i = 1; i <= 6; ++i) {
            made->owner(i).ownerName = QStringLiteral("Condomino %1").arg(i);
            made->owner(i).ownerMillesimi = Cell::fromNumber(100 + i);
        }
        made->ownerCount = 6;
        return made;
    }();
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const qsizetype split = bytes.indexOf('#');
    Meeting meeting;
    const Meeting before = meeting;
    const MeetingCsv::Result attendance = MeetingCsv::readAttendance(bytes.left(split), *state, meeting);
    if (!attendance.ok) {
        requireRefusal(attendance, meeting, before);
        return 0;
    }
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        const Attendance &read = meeting.attendance(owner);
        fuzz::require(read.presence == Presence::Absent || !state->owner(owner).ownerName.isEmpty(),
                      "only owners of the registry attend");
        fuzz::require((read.presence == Presence::Delegated) == !read.delegate.isEmpty(),
                      "a delegate exactly for the owners represented");
    }
    if (split < 0)
        return 0;
    const Meeting attended = meeting;
    const MeetingCsv::Result votes = MeetingCsv::readVotes(bytes.mid(split + 1), *state, {1, 5, 10}, 3, meeting);
    if (!votes.ok) {
        requireRefusal(votes, meeting, attended);
        return 0;
    }
    fuzz::require(meeting.points.size() <= 3, "votes only on the agenda's points");
    requireVotesOfAttendees(meeting);
    return 0;
}
