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

// The page number at the foot of a page: "Pagina 3", or "Pagina 3 di 12" where the document
// asks for the count of its pages.
namespace PageFooter {
inline constexpr char Page[] = "Pagina ";
inline constexpr char Of[] = " di ";
constexpr int FontSize = 9; // points
} // namespace PageFooter

// The look of every table: the heading row is set off by a darker shade and bold letters,
// the other rows lightly shaded, all in a thin black grid.
namespace TableLook {
inline constexpr char HeadingShade[] = "#8eaadb";
inline constexpr char BodyShade[] = "#dee6f3";
constexpr double BorderWidth = 0.5;   // points
constexpr double CellPadding = 1.42;  // points on every side, 0.05 cm
} // namespace TableLook

// Column widths fitted to the contents of a table, as no print command gives widths, by
// the automatic table layout of CSS 2.1 (§17.5.2.2): a column is never narrower than its
// longest unbreakable word, so numbers, dates and codes stay whole on one line, and never
// wider than its longest whole line. A table whose lines all fit the page keeps them all on
// one line; otherwise the room left after every column's minimum goes to the columns in
// proportion to what they lack, so that only long texts (names, addresses, descriptions)
// wrap. Widths are measured on generous letter widths, so that the font the reader's word
// processor puts in place of the printouts' font does not make a word wider than its column.
class TableLayout
{
public:
    // Widths in points, index 0 = column 1.
    static QVector<double> columnWidths(const ReportTable &table);

    // The width in points of a text on one line at fontSize points, bold for a heading.
    static double textWidth(const QString &text, double fontSize, bool bold);
};

} // namespace veltra
