#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace veltra {

// What a file was when the program last read or wrote it: its size, its modification time
// and a hash of its content. Another program that saves the same file changes at least one
// of them, even when it keeps the size or puts the time back.
class FileStamp
{
public:
    // The stamp of the regular file at path; nothing when there is none or it cannot be read.
    static std::optional<FileStamp> of(const QString &path);

    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }

private:
    qint64 m_size = -1;
    QDateTime m_modified;
    QByteArray m_hash;
};

} // namespace veltra
