#pragma once

#include "core/meeting/meeting.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace veltra {

// The file of one meeting, beside the notice archive: "Veltra-seduta-NAME- YYYY-MM-DD".
// In the archive notation, Windows-1252 and CR LF:
//   "VELTRA-SEDUTA",1
//   "NAME",call,first call failed (0/1),"date","opening","closing","place","platform",
//       "chair","secretary","administrator","notice date",notice checked (0/1)
//   attending owners A,movements M,points P,notice problems N
//   N lines   "what the check of the notice found"
//   A lines   owner,presence (1 present, 2 by delegate),"delegate",proxy shown (0/1)
//   M lines   owner,"time",from point,presence (0 absent, 1, 2),"delegate",proxy shown
//   per point matter,"text",entitled E,votes V,discussion paragraphs D,statements S
//             then E lines owner; V lines owner,vote (1 for, 2 against, 3 abstained);
//             D lines "paragraph"; S lines "statement"
// Dates are dd/MM/yyyy and times HH:mm, or empty. A file is taken only whole.
class MeetingFile
{
public:
    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0; // the line (from 1) of the first field not accepted, 0 when none
        QString problem;
        QString condoName;
        Meeting meeting; // meaningful only when complete

        bool isComplete() const { return opened && failedLine == 0 && problem.isEmpty(); }
    };

    static LoadResult load(const QString &path);
    static LoadResult read(const QByteArray &bytes);

    // The file's bytes; empty when a text cannot be carried, as save() would refuse it.
    static QByteArray bytes(const QString &condoName, const Meeting &meeting);
    // Writes through a temporary file; false, with *error, when a text cannot be carried
    // (a double quote, a character outside Windows-1252) or the disk refuses.
    static bool save(const QString &condoName, const Meeting &meeting, const QString &path,
                     QString *error = nullptr);

    // "Veltra-seduta-Rossi- 2027-03-10".
    static QString fileName(const QString &condoName, const QDate &date);
};

} // namespace veltra
