#pragma once

#include "core/printing/printclearance.h"

#include <QString>
#include <QStringList>

namespace veltra {

class MeetingNotice;

// The check of a meeting notice against the terms of the law: the notice must be
// communicated at least five days before the first call (art. 66, third paragraph, disp.
// att. c.c.); the second call must fall on a day after the first (art. 1136, third
// paragraph, c.c.; art. 66, fourth paragraph, disp. att.) and not more than ten days after
// it (art. 1136, third paragraph); and the notice must state its agenda (art. 66, third
// paragraph). Dates fall within the years 1900 to 2100 and hours are hours of the day.
// Days are counted on the calendar, back from the day of the first call: a
// notice dated the 29th of March calls an assembly of the 3rd of April in time.
class NoticeCheck
{
public:
    // Shortest span, in days, from the notice date to the first call.
    static constexpr int MinimumNoticeDays = 5;
    // Longest span, in days, from the first call to the second.
    static constexpr int MaximumSecondCallDays = 10;
    // The years a date of the notice may fall in.
    static constexpr int FirstYear = 1900;
    static constexpr int LastYear = 2100;

    struct Finding
    {
        bool passed = false;
        QStringList problems; // one sentence each, in the order of the checks
        // Those of the problems that are terms of the law and the agenda: the notice can
        // still be printed over them, on the administrator's word. The others (a date
        // missing or no date) make the notice unprintable.
        QStringList warnings;
        QString text;         // the message: the problems one per line, or the all-clear
    };

    static Finding check(const MeetingNotice &notice);

    // Whether the notice may be printed: refused over a problem that is no warning, asked
    // over warnings alone.
    static PrintClearance printClearance(const MeetingNotice &notice);

    // The message of a notice with nothing to correct.
    static QString passedText();
};

} // namespace veltra
