// The meeting file: any bytes are refused whole or read into a meeting that writes out to
// a file reading back to the same meeting, byte for byte.

#include "fuzzcheck.h"

#include "core/meeting/meetingfile.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MeetingFile::LoadResult result = MeetingFile::read(fuzz::inputBytes(data, size));
    if (!result.isComplete()) {
        fuzz::require(result.meeting.points.isEmpty() && result.meeting.movements.isEmpty(),
                      "a refused file gives no meeting");
        return 0;
    }
    const Meeting &meeting = result.meeting;
    fuzz::require(meeting.call == 1 || meeting.call == 2, "the call is the first or the second");
    fuzz::require(meeting.points.size() <= 20, "at most twenty points");
    for (const Movement &movement : meeting.movements)
        fuzz::require(movement.fromPoint >= 1 && movement.fromPoint <= qMax(1, int(meeting.points.size())),
                      "a movement counts from a point of the meeting");
    const QByteArray written = MeetingFile::bytes(result.condoName, meeting);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0; // a text the notation cannot carry, or one that reads back as UTF-8
    const MeetingFile::LoadResult again = MeetingFile::read(written);
    fuzz::require(again.isComplete(), "a meeting written out reads again", again.problem);
    fuzz::require(MeetingFile::bytes(again.condoName, again.meeting) == written,
                  "a meeting written out reads back the same");
    return 0;
}
