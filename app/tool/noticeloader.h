#pragma once

#include <QString>
#include <QTextStream>

namespace veltra {

class MeetingNotice;

// What every subcommand on a meeting-notice file does first: reads it whole.
class NoticeLoader
{
public:
    // ExitSuccess when notice holds the file; otherwise the exit code, after one line on err
    // naming the file.
    static int load(const QString &path, MeetingNotice &notice, QTextStream &err);
};

} // namespace veltra
