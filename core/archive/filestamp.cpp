#include "core/archive/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace veltra {

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return std::nullopt;
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return std::nullopt;
    FileStamp stamp;
    stamp.m_size = info.size();
    stamp.m_modified = info.fileTime(QFileDevice::FileModificationTime);
    stamp.m_hash = hash.result();
    return stamp;
}

bool FileStamp::operator==(const FileStamp &other) const
{
    return m_size == other.m_size && m_modified == other.m_modified && m_hash == other.m_hash;
}

} // namespace veltra
