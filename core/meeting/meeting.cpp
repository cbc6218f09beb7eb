#include "core/meeting/meeting.h"

namespace veltra {

Attendance Meeting::attendanceAt(int owner, int point) const
{
    Attendance current = attendance(owner);
    if (point < 1)
        return current;
    for (const Movement &movement : movements) {
        if (movement.owner == owner && movement.fromPoint <= point)
            current = movement.attendance;
    }
    return current;
}

} // namespace veltra
