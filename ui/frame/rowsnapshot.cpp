#include "ui/frame/rowsnapshot.h"

#include <algorithm>

namespace veltra {

bool RowSnapshot::operator==(const RowSnapshot &other) const
{
    return header == other.header && rows == other.rows;
}

QList<int> RowSnapshot::changedRows(const RowSnapshot &a, const RowSnapshot &b)
{
    QList<int> changed;
    const int count = int(std::max(a.rows.size(), b.rows.size()));
    for (int n = 0; n < count; ++n) {
        if (a.row(n) != b.row(n))
            changed.append(n);
    }
    return changed;
}

} // namespace veltra
