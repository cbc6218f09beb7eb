#include "reports/document/tablelayout.h"

#include "reports/document/reportflow.h"

#include <algorithm>

namespace veltra {

namespace {

// Bold letters are about a tenth wider.
constexpr double BoldWidening = 1.1;
// Cell padding on both sides, the borders and a margin for the reader's own rounding.
constexpr double CellPadding = 10.0;
constexpr double NarrowestColumn = 18.0;

// The advance of a character in ems: the wider of the printouts' font and of the sans
// serif fonts that readers put in its place, so that a measured word always fits.
double letterWidth(QChar c)
{
    // Plain ASCII letters have no decomposition; looking one up for them is most of the cost.
    const bool composed = c.unicode() >= 0x80 && c.decompositionTag() == QChar::Canonical;
    const QChar base = composed ? c.decomposition().front() : c;
    const char16_t u = base.unicode();
    if (u >= '0' && u <= '9')
        return 0.64;
    switch (u) {
    case ' ': case '.': case ',': case ':': case ';': case '\'': case '!': case '|':
        return 0.33;
    case '-': case '(': case ')': case '[': case ']':
        return 0.4;
    case '/': case '\\':
        return 0.45;
    case '%':
        return 0.95;
    case 'i': case 'j': case 'l': case 'I':
        return 0.32;
    case 'f': case 't': case 'r':
        return 0.44;
    case 'm': case 'w':
        return 1.0;
    case 'M': case 'W':
        return 1.05;
    default:
        break;
    }
    if (base.isUpper())
        return 0.87;
    if (base.isLower())
        return 0.7;
    return 0.8;
}

struct ColumnExtent
{
    double minimum = NarrowestColumn; // the longest word
    double maximum = NarrowestColumn; // the longest whole line
};

// Widens extent to hold one line: the whole line and each of its words, blanks apart.
void measureLine(ColumnExtent &extent, const QString &line, double fontSize, bool heading)
{
    // In the order textWidth multiplies, so that both give the same width to the last bit.
    auto width = [&](double ems) { return ems * fontSize * (heading ? BoldWidening : 1.0); };
    double lineEms = 0;
    double wordEms = 0;
    bool inWord = false;
    auto endWord = [&] {
        if (inWord)
            extent.minimum = std::max(extent.minimum, width(wordEms) + CellPadding);
        wordEms = 0;
        inWord = false;
    };
    for (const QChar c : line) {
        const double ems = letterWidth(c);
        lineEms += ems;
        if (c == QLatin1Char(' ')) {
            endWord();
        } else {
            wordEms += ems;
            inWord = true;
        }
    }
    endWord();
    extent.maximum = std::max(extent.maximum, width(lineEms) + CellPadding);
}

ColumnExtent columnExtent(const ReportTable &table, int column, double fontSize)
{
    ColumnExtent extent;
    for (int row = 1; row <= table.rows(); ++row) {
        const bool heading = row == 1;
        const QString &text = table.cell(row, column);
        if (ReportFlow::isSingleLine(text)) {
            measureLine(extent, text, fontSize, heading);
            continue;
        }
        for (const QString &line : ReportFlow::cellLines(text))
            measureLine(extent, line, fontSize, heading);
    }
    return extent;
}

} // namespace

double TableLayout::textWidth(const QString &text, double fontSize, bool bold)
{
    double ems = 0;
    for (const QChar c : text)
        ems += letterWidth(c);
    return ems * fontSize * (bold ? BoldWidening : 1.0);
}

QVector<double> TableLayout::columnWidths(const ReportTable &table)
{
    const double fontSize = table.fontSize().value_or(PageGeometry::DefaultFontSize);
    QVector<ColumnExtent> extents;
    for (int column = 1; column <= table.columns(); ++column)
        extents.append(columnExtent(table, column, fontSize));
    double minimum = 0;
    double maximum = 0;
    for (const ColumnExtent &extent : extents) {
        minimum += extent.minimum;
        maximum += extent.maximum;
    }

    QVector<double> widths;
    const double room = PageGeometry::TextWidth;
    // What every column lacks of its whole lines gets an equal share of the room left
    // above the minima: a column of numbers lacks nothing and keeps its width.
    const double share = maximum <= room ? 1.0
        : minimum >= room                ? 0.0
                                         : (room - minimum) / (maximum - minimum);
    for (const ColumnExtent &extent : extents)
        widths.append(extent.minimum + (extent.maximum - extent.minimum) * share);
    return widths;
}

} // namespace veltra
