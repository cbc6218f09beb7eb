#pragma once

#include "reports/document/reporttable.h"

#include <QVector>

namespace veltra {

// The page both renderers lay out on, the word processor's usual one: A4 portrait with
// margins of 2 cm, in points.
namespace PageGeometry {
constexpr double Width = 595.3;
constexpr double Height = 841.9;
constexpr double Margin = 56.7;
constexpr double TextWidth = Width - 2 * Margin;
constexpr int DefaultFontSize = 12;
} // namespace PageGeometry

// Column widths fitted to the contents of a table, as no print command gives widths: each
// column as wide as its longest line, the whole table narrowed to the text width of the
// page when it would not fit.
class TableLayout
{
public:
    // Widths in points, index 0 = column 1.
    static QVector<double> columnWidths(const ReportTable &table);
};

} // namespace veltra
