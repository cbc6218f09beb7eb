#pragma once

#include <QList>
#include <QStringList>
#include <QVector>

namespace veltra {

// A data window's data as texts, for its edit history: a header row (the window's single
// fields) and numbered rows (owners, items, agenda points), each row the texts of one.
struct RowSnapshot
{
    QStringList header;
    QVector<QStringList> rows;

    bool operator==(const RowSnapshot &other) const;
    bool operator!=(const RowSnapshot &other) const { return !(*this == other); }

    // The numbers of the rows that differ between a and b, a row missing on one side
    // counting as empty.
    static QList<int> changedRows(const RowSnapshot &a, const RowSnapshot &b);
    // Row n, or an empty row when there is none.
    QStringList row(int n) const { return rows.value(n); }
};

} // namespace veltra
