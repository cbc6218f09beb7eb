#pragma once

#include "core/meeting/majorityrule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// One matter on which an assembly resolves, with the majority the law in force requires.
struct Majority
{
    int number = 0;      // 1, 2, … in the order of the window's buttons
    QString caption;     // the button's text, beginning with the number and ")"
    QString text;        // the majority, one paragraph per line ("\n" between them)
    QStringList sources; // where each statement of the text was read
    MajorityRule rule;   // the same majority as thresholds a meeting's vote is measured by
    bool hasRule = false; // whether the file gives thresholds for the matter
};

// The table of majorities shipped in data/maggioranze.txt (format described at the top of
// that file): a "materia:" line per matter, its "testo:" paragraphs, its "soglia:" lines
// (ThresholdLine) and "fonte:" lines.
// A file that breaks any rule is refused whole, so the window never shows half a table.
class MajorityTable
{
public:
    struct Reading
    {
        QList<Majority> majorities;
        QString error; // empty when the file was read; otherwise one sentence naming the line
        bool isValid() const { return error.isEmpty(); }
        // The numbers of the matters that carry thresholds: those a meeting's point can take.
        QList<int> votableMatters() const;
        // Matter n, or nothing when the table has no such matter.
        const Majority *matter(int n) const;
    };

    // Reads a majorities file from its bytes (UTF-8, LF or CR LF line ends).
    static Reading parse(const QByteArray &bytes);
    // Reads the file at path; a file that cannot be opened is an error too.
    static Reading load(const QString &path);
    // The table built into the program, read once.
    static const Reading &shipped();
    static QString shippedPath();
};

} // namespace veltra
