#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

class Cell;

// Writes one archive file in the notation every archive of the system shares: one record
// per line ended by CR LF, fields separated by commas, texts between double quotes,
// numbers with a point and no grouping, empty cells as nothing, Windows-1252 bytes.
// The records are gathered in memory and written by commit() through a temporary file
// that replaces the target only when complete, so a failed write never destroys the
// previous file.
class ArchiveWriter
{
public:
    ArchiveWriter() = default;

    // A text field; an empty text is an empty cell. A text the notation cannot carry back
    // (a double quote, a line break, a character outside Windows-1252) makes commit() refuse.
    void writeText(const QString &text);
    // A text field between quotes even when empty: "" is a text the user emptied, as
    // against an empty cell, never typed.
    void writeQuotedText(const QString &text);
    // A number; decimals < 0 writes the shortest form that reads back to the same value.
    void writeNumber(double value, int decimals = -1);
    void writeInteger(long long value);
    // An integer, or an empty cell when the value is 0 (a choice never made).
    void writeOptionalInteger(int value);
    void writeEmpty();
    // A computed cell as a number with the given decimals, a typed cell as a text.
    void writeCell(const Cell &cell, int decimals);
    void endRecord();

    // Whether every text so far can be written.
    bool isWritable() const { return m_error.isEmpty(); }
    // The gathered bytes, as commit() writes them.
    const QByteArray &bytes() const { return m_bytes; }
    // Writes the file; false, with errorString(), when a text cannot be written or the
    // disk refuses. The previous file is then untouched.
    bool commit(const QString &path);
    QString errorString() const { return m_error; }

    // Why a text cannot travel in an archive field, or an empty text when it can.
    static QString unwritableReason(const QString &text);

private:
    void beginField();

    QByteArray m_bytes;
    QString m_error;
    bool m_inRecord = false;
};

} // namespace veltra
