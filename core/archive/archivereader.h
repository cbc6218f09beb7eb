#pragma once

#include "core/state/cell.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace veltra {

// Reads one archive file back in the writer's order, field by field: readText for a
// quoted field, readNumber or readInteger for an unquoted one, readCell for either; an
// empty field gives an empty text, 0 or an empty cell. Each record must end where its line
// ends (endRecord). The first field that cannot be read (missing, a text where a number is
// due, a number where a text is due, an unterminated quote, extra fields) stops the
// reading: every later read gives an empty value, ok() turns false and failedLine() tells
// the line (counted from 1). Line ends may be CR LF, LF or CR.
class ArchiveReader
{
public:
    // Larger files are no archive of this system: they are refused, never read in part.
    static constexpr qint64 MaxArchiveBytes = 64 * 1024 * 1024;

    ArchiveReader() = default;
    // Reads the given bytes as the content of a file: Windows-1252, or UTF-8 when they
    // are (ArchiveText).
    explicit ArchiveReader(const QByteArray &bytes);

    // Reads the whole file; false, with problem(), when it cannot be opened (no name,
    // missing, not a regular file, larger than MaxArchiveBytes, unreadable).
    bool open(const QString &path);
    // What makes the whole file unreadable, in Italian: why open() failed, or a byte-order
    // mark of UTF-8 before text that is not (then the reading fails on line 1). Empty
    // otherwise.
    QString problem() const { return m_problem; }

    QString readText();
    // A quoted field as its text, an empty quoted one as an empty text; an empty field as
    // nothing, so that a text emptied by the user can be told from one never typed.
    std::optional<QString> readOptionalText();
    double readNumber();
    int readInteger();
    Cell readCell();
    // Ends the current record: its line must hold no further field.
    void endRecord();

    // Marks the field just read as unacceptable (a count out of range, for example).
    void fail();

    bool ok() const { return m_failedLine == 0; }
    int failedLine() const { return m_failedLine; }
    // Whether nothing but line ends is left.
    bool atEnd() const;

private:
    struct Field
    {
        QStringView text;
        bool quoted = false;
    };

    bool nextField(Field &field);
    bool readQuoted(Field &field);
    void readUnquoted(Field &field);
    bool finishField();
    bool atLineEnd() const;
    static bool parseNumber(QStringView text, double &value);

    QString m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_lineDone = false;
    bool m_inRecord = false;
    int m_failedLine = 0;
    QString m_problem;
};

} // namespace veltra
