#include "reports/document/reporttable.h"

#include <algorithm>

namespace veltra {

ReportTable::ReportTable(int rows, int columns, std::optional<int> fontSize)
    : m_rows(std::max(0, rows))
    , m_columns(std::max(0, columns))
    , m_fontSize(fontSize)
    , m_cells(m_rows * m_columns)
{
}

bool ReportTable::contains(int row, int column) const
{
    return row >= 1 && row <= m_rows && column >= 1 && column <= m_columns;
}

const QString &ReportTable::cell(int row, int column) const
{
    static const QString outside;
    return contains(row, column) ? m_cells[(row - 1) * m_columns + column - 1] : outside;
}

bool ReportTable::setCell(int row, int column, const QString &text)
{
    if (!contains(row, column))
        return false;
    m_cells[(row - 1) * m_columns + column - 1] = text;
    return true;
}

} // namespace veltra
