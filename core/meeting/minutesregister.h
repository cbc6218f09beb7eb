#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// One entry of the register of minutes: the minutes of one meeting as transcribed, never
// changed once written; a correction is a later entry naming the one it corrects.
struct MinutesEntry
{
    int number = 0;        // from 1, in the order written
    QString entryDate;     // dd/MM/yyyy, the day it was transcribed
    QString meetingDate;   // dd/MM/yyyy
    int corrects = 0;      // the entry this one corrects, 0 when none
    QStringList lines;     // the minutes, one paragraph or table row a line
    QStringList appointments; // the resolutions appointing, confirming or revoking the administrator
};

// The condominium's register of minutes, "Veltra-verbali-NAME", in the archive notation:
//   "VELTRA-VERBALI",1
//   "NAME",entries N
//   per entry  number,"entry date","meeting date",corrects,lines L,appointments A
//              then L lines "text" and A lines "text"
// Entries are numbered 1 to N in order; the register only grows.
class MinutesRegister
{
public:
    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0;
        QString problem;
        QString condoName;
        QList<MinutesEntry> entries;

        bool isComplete() const { return opened && failedLine == 0 && problem.isEmpty(); }
    };

    static LoadResult load(const QString &path);
    static LoadResult read(const QByteArray &bytes);
    // The file's bytes; empty when a text cannot be carried in the notation.
    static QByteArray bytes(const QString &condoName, const QList<MinutesEntry> &entries);

    // Appends entry to the register at path (a new one when there is no file), numbering it
    // after the last; false with *error when the register cannot be read whole, the entry
    // corrects one that does not exist, or the file cannot be written (it is then untouched).
    // On success entry carries its number.
    static bool append(const QString &path, const QString &condoName, MinutesEntry &entry,
                       QString *error);

    // "Veltra-verbali-Rossi".
    static QString fileName(const QString &condoName);
};

} // namespace veltra
