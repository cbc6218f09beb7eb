#include "reports/document/tablelayout.h"

#include "reports/document/reportflow.h"

#include <algorithm>
#include <numeric>

namespace veltra {

namespace {

// The printouts' font is a wide one: its average letter takes about 0.6 of the size.
constexpr double AverageLetterWidth = 0.6;
// The heading row is bold, a little wider.
constexpr double BoldWidening = 1.1;
// Cell padding on both sides and the borders.
constexpr double CellPadding = 10.0;
constexpr double NarrowestColumn = 18.0;

int longestLine(const QString &text)
{
    int longest = 0;
    for (const QString &line : ReportFlow::cellLines(text))
        longest = std::max(longest, int(line.size()));
    return longest;
}

} // namespace

QVector<double> TableLayout::columnWidths(const ReportTable &table)
{
    const double letter = AverageLetterWidth
        * table.fontSize().value_or(PageGeometry::DefaultFontSize);
    QVector<double> widths(table.columns(), NarrowestColumn);
    for (int column = 1; column <= table.columns(); ++column) {
        double widest = 0;
        for (int row = 1; row <= table.rows(); ++row) {
            const double widening = row == 1 ? BoldWidening : 1.0;
            widest = std::max(widest, longestLine(table.cell(row, column)) * letter * widening);
        }
        widths[column - 1] = std::max(NarrowestColumn, widest + CellPadding);
    }
    const double total = std::accumulate(widths.cbegin(), widths.cend(), 0.0);
    if (total > PageGeometry::TextWidth) {
        const double scale = PageGeometry::TextWidth / total;
        for (double &width : widths)
            width *= scale;
    }
    return widths;
}

} // namespace veltra
