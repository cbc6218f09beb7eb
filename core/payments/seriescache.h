#pragma once

#include "core/expenses/expensearchive.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <memory>

namespace veltra {

// The item files of a series as read once: moving through the series, the account cards
// and the balance ask for the same files again and again, and each is parsed only while it
// is unchanged. A file is taken as changed when its size, its modification time or its
// status-change time differ from those it had when it was read, and a save or a delete
// through the program drops it at once; a missing file is never kept.
class SeriesCache
{
public:
    using File = std::shared_ptr<const ExpenseArchive::LoadResult>;

    // The file at path as ExpenseArchive::load reads it (withPayments for a "spese" file).
    File load(const QString &path, bool withPayments);
    // Forgets the file at path: it was written or deleted by the program.
    void invalidate(const QString &path);
    void clear();

    // How many files were parsed since the cache was made (for the speed figures).
    int parseCount() const { return m_parses; }

private:
    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed;

        bool operator==(const Stamp &other) const;
    };

    struct Entry
    {
        Stamp stamp;
        bool withPayments = false;
        File file;
    };

    static bool stampOf(const QString &path, Stamp &stamp);

    QHash<QString, Entry> m_entries;
    int m_parses = 0;
};

} // namespace veltra
