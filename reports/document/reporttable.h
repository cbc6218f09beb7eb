#pragma once

#include <QString>
#include <QVector>

#include <optional>

namespace veltra {

// A TABLE block of a report: a grid fixed when appended, filled one cell at a time.
// Rows and columns count from 1; row 1 is the heading row.
class ReportTable
{
public:
    ReportTable(int rows, int columns, std::optional<int> fontSize);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Points, one size for every cell; nothing means the renderer's default size.
    std::optional<int> fontSize() const { return m_fontSize; }

    bool contains(int row, int column) const;
    // The text of a cell, empty until set (and for a cell outside the grid).
    const QString &cell(int row, int column) const;
    // Sets (or replaces) the text of one cell in constant time; false outside the grid.
    bool setCell(int row, int column, const QString &text);

private:
    int m_rows;
    int m_columns;
    std::optional<int> m_fontSize;
    QVector<QString> m_cells; // row by row
};

} // namespace veltra
