#pragma once

#include "core/assembly/meetingnotice.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace veltra {

// The meeting-notice archive file: one line of the notice's twelve texts (subject, number,
// opening text, date, hour and place of the first and of the second call, agenda heading,
// notice date, notes), always quoted, then twenty lines, one agenda point each: a point
// never typed is an empty line, a point the user emptied an empty quoted text. A file is
// taken only whole: one that breaks off, runs on past the twentieth point or is in another
// notation gives no notice.
class NoticeArchive
{
public:
    struct LoadResult
    {
        bool opened = false; // false: no name, missing or unreadable file
        int failedLine = 0;  // the line (from 1) of the first field not read, 0 when none
        QString problem;     // why the file could not be opened or read at all, or empty
        MeetingNotice notice; // meaningful only when complete

        bool isComplete() const { return opened && failedLine == 0; }
    };

    // A text the notation cannot carry back, named for the user.
    struct UnwritableField
    {
        QString field;  // "il punto 3 dell'ordine del giorno"
        QString reason; // "contiene le virgolette (\")"
    };

    // Reads the file named path.
    static LoadResult load(const QString &path);
    // Reads the content of a file given as its Windows-1252 bytes.
    static LoadResult read(const QByteArray &bytes);

    // The file's bytes for notice: Windows-1252, lines ended by CR LF.
    static QByteArray bytes(const MeetingNotice &notice);
    // Writes notice to path through a temporary file; false, with *error, when a text
    // cannot be carried or the disk refuses (the previous file is then untouched).
    static bool save(const MeetingNotice &notice, const QString &path, QString *error = nullptr);

    // The first text, in the order of the file, that save() would refuse.
    static std::optional<UnwritableField> firstUnwritableField(const MeetingNotice &notice);
};

} // namespace veltra
