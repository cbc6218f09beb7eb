#include "core/payments/seriescache.h"

#include <QFileInfo>

namespace veltra {

bool SeriesCache::Stamp::operator==(const Stamp &other) const
{
    return size == other.size && modified == other.modified && changed == other.changed;
}

bool SeriesCache::stampOf(const QString &path, Stamp &stamp)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    stamp.size = info.size();
    stamp.modified = info.fileTime(QFileDevice::FileModificationTime);
    stamp.changed = info.fileTime(QFileDevice::FileMetadataChangeTime);
    return true;
}

SeriesCache::File SeriesCache::load(const QString &path, bool withPayments)
{
    Stamp stamp;
    if (!stampOf(path, stamp)) {
        m_entries.remove(path);
        return std::make_shared<const ExpenseArchive::LoadResult>();
    }
    const auto found = m_entries.constFind(path);
    if (found != m_entries.constEnd() && found->stamp == stamp
        && found->withPayments == withPayments)
        return found->file;
    ++m_parses;
    File file = std::make_shared<const ExpenseArchive::LoadResult>(
        ExpenseArchive::load(path, withPayments));
    // A file that could not be opened may be readable a moment later: it is not kept.
    if (file->opened)
        m_entries.insert(path, Entry{stamp, withPayments, file});
    else
        m_entries.remove(path);
    return file;
}

void SeriesCache::invalidate(const QString &path)
{
    m_entries.remove(path);
}

void SeriesCache::clear()
{
    m_entries.clear();
}

} // namespace veltra
