#include "reports/document/pdfrenderer.h"

#include "core/archive/filereplacement.h"
#include "reports/document/reportdocument.h"
#include "reports/document/reportflow.h"
#include "reports/document/tablelayout.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <memory>
#include <optional>
#include <vector>

namespace veltra {

namespace {

// Fine enough that glyph positions are never rounded visibly; the page is laid out in points
// and turned into these dots at the last moment.
constexpr int Resolution = 1200;
constexpr double TabStop = 35.4;       // points, 1.25 cm as in the word processor
constexpr double PageNumberFoot = 28.35; // points from the foot of the page, 1 cm

const QChar VerticalTab(11);

double dots(double points)
{
    return points * Resolution / 72.0;
}

// The paragraph's text as the layout takes it: a vertical tab breaks the line, as in the
// word processor, and other control characters, which no font draws, are left out.
QString layoutText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == VerticalTab)
            result += QChar(QChar::LineSeparator);
        else if (c.unicode() >= 0x20 || c == QLatin1Char('\t'))
            result += c;
    }
    return result;
}

Qt::Alignment qtAlignment(ReportAlignment alignment)
{
    switch (alignment) {
    case ReportAlignment::Justify:
        return Qt::AlignJustify;
    case ReportAlignment::Right:
        return Qt::AlignRight;
    case ReportAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Laid-out texts kept for reuse, up to this many: the cells of a long printout repeat the
// same codes, coefficients and headings thousands of times.
constexpr int CachedTexts = 20000;

// One paragraph broken into lines at a width; its lines sit at y from 0 down.
struct LaidOutText
{
    std::shared_ptr<const QTextLayout> layout;
    double height = 0; // dots
};

// One table row laid out: each cell's lines, the row as tall as its tallest cell.
struct LaidOutRow
{
    std::vector<std::vector<LaidOutText>> cells;
    double height = 0; // dots
    bool heading = false;
};

// Paints the flow of a document page after page, top to bottom. Without a page count it
// lays the pages out only, drawing nothing, to count them: the pages' feet can then say how
// many there are.
class PagePainter
{
public:
    PagePainter(QPdfWriter &writer, const ReportDocument &document, std::optional<int> pageCount)
        : m_writer(writer)
        , m_pageCount(pageCount)
        , m_drawing(pageCount.has_value() || !document.pageCountShown())
        , m_document(document)
        , m_flow(document)
        , m_left(dots(PageGeometry::Margin))
        , m_top(dots(PageGeometry::Margin))
        , m_bodyHeight(dots(PageGeometry::Height - 2 * PageGeometry::Margin))
        , m_textWidth(dots(PageGeometry::TextWidth))
    {
    }

    bool paint();
    int pages() const { return m_page; }

private:
    QFont font(std::optional<int> size, bool bold);
    LaidOutText laidOut(const QString &text, const QFont &font, double width,
                        Qt::Alignment alignment);
    LaidOutText cellText(const QString &text, const QFont &font, int fontKey, double width,
                         Qt::Alignment alignment);
    void paintParagraph(const ReportFlow::Item &item);
    void paintTable(const ReportFlow::Item &item);
    LaidOutRow laidOutRow(const ReportTable &table, int row, const QVector<double> &widths,
                          const QVector<ReportAlignment> &alignments, std::optional<int> size);
    void paintRow(const LaidOutRow &row, const QVector<double> &widths);
    bool fits(double height) const { return m_y + height <= m_bodyHeight; }
    void newPage();
    void paintPageNumber();

    QPdfWriter &m_writer;
    const std::optional<int> m_pageCount;
    const bool m_drawing;
    const ReportDocument &m_document;
    ReportFlow m_flow;
    QPainter m_painter;
    QHash<int, QFont> m_fonts;
    QHash<QString, LaidOutText> m_cellTexts;
    const double m_left;
    const double m_top;
    const double m_bodyHeight;
    const double m_textWidth;
    double m_y = 0; // dots below the top margin of the current page
    int m_page = 1;
    bool m_started = false;
};

int fontKey(std::optional<int> size, bool bold)
{
    return size.value_or(PageGeometry::DefaultFontSize) * 2 + (bold ? 1 : 0);
}

QFont PagePainter::font(std::optional<int> size, bool bold)
{
    const int points = size.value_or(PageGeometry::DefaultFontSize);
    const int key = fontKey(size, bold);
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return *found;
    QFont font(m_document.fontName());
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return *m_fonts.insert(key, font);
}

LaidOutText PagePainter::laidOut(const QString &text, const QFont &font, double width,
                                 Qt::Alignment alignment)
{
    auto layout = std::make_shared<QTextLayout>(layoutText(text), font, &m_writer);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(dots(TabStop));
    layout->setTextOption(option);
    // Keeps the shaped glyphs for drawing, which would otherwise shape the text again.
    layout->setCacheEnabled(true);
    LaidOutText result;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, result.height));
        result.height += line.height();
    }
    layout->endLayout();
    result.layout = std::move(layout);
    return result;
}

LaidOutText PagePainter::cellText(const QString &text, const QFont &font, int key, double width,
                                  Qt::Alignment alignment)
{
    // Widths closer than a dot (1/1200 inch) lay a text out alike.
    QString cacheKey;
    cacheKey.reserve(text.size() + 3);
    cacheKey += QChar(char16_t(key));
    cacheKey += QChar(char16_t(alignment));
    cacheKey += QChar(char16_t(width));
    cacheKey += text;
    auto found = m_cellTexts.constFind(cacheKey);
    if (found != m_cellTexts.constEnd())
        return *found;
    if (m_cellTexts.size() >= CachedTexts)
        m_cellTexts.clear();
    return *m_cellTexts.insert(cacheKey, laidOut(text, font, width, alignment));
}

void PagePainter::newPage()
{
    paintPageNumber();
    if (m_drawing)
        m_writer.newPage();
    ++m_page;
    m_y = 0;
}

void PagePainter::paintPageNumber()
{
    if (!m_drawing)
        return;
    QFont numberFont(m_document.fontName());
    numberFont.setPointSizeF(PageFooter::FontSize);
    m_painter.setFont(numberFont);
    m_painter.setPen(Qt::black);
    const double foot = dots(PageGeometry::Height - PageNumberFoot);
    const double lineHeight = dots(PageFooter::FontSize * 2);
    QString number = QLatin1String(PageFooter::Page) + QString::number(m_page);
    if (m_pageCount)
        number += QLatin1String(PageFooter::Of) + QString::number(*m_pageCount);
    m_painter.drawText(QRectF(m_left, foot - lineHeight, m_textWidth, lineHeight),
                       Qt::AlignHCenter | Qt::AlignBottom, number);
}

// A paragraph longer than what is left of the page goes on over the next one, line by line.
void PagePainter::paintParagraph(const ReportFlow::Item &item)
{
    const LaidOutText text = laidOut(item.text, font(item.fontSize, item.bold), m_textWidth,
                                     qtAlignment(m_flow.paragraphAlignment()));
    if (m_drawing)
        m_painter.setPen(Qt::black);
    for (int i = 0; i < text.layout->lineCount(); ++i) {
        const QTextLine line = text.layout->lineAt(i);
        if (!fits(line.height()) && m_y > 0)
            newPage();
        if (m_drawing)
            line.draw(&m_painter, QPointF(m_left, m_top + m_y - line.y()));
        m_y += line.height();
    }
}

LaidOutRow PagePainter::laidOutRow(const ReportTable &table, int row,
                                   const QVector<double> &widths,
                                   const QVector<ReportAlignment> &alignments,
                                   std::optional<int> size)
{
    LaidOutRow result;
    result.heading = row == 1;
    const QFont cellFont = font(size, result.heading);
    const int key = fontKey(size, result.heading);
    const double padding = dots(TableLook::CellPadding);
    for (int column = 1; column <= table.columns(); ++column) {
        std::vector<LaidOutText> lines;
        double height = 2 * padding;
        for (const QString &line : ReportFlow::cellLines(table.cell(row, column))) {
            lines.push_back(cellText(line, cellFont, key, widths[column - 1] - 2 * padding,
                                     qtAlignment(alignments.value(column - 1))));
            height += lines.back().height;
        }
        result.height = std::max(result.height, height);
        result.cells.push_back(std::move(lines));
    }
    return result;
}

// The row is shaded and ruled as a whole, its cells' texts drawn in the same black pen as
// the grid: a printout of thousands of rows keeps its file small and quick to write.
void PagePainter::paintRow(const LaidOutRow &row, const QVector<double> &widths)
{
    if (!m_drawing) {
        m_y += row.height;
        return;
    }
    const double padding = dots(TableLook::CellPadding);
    const double top = m_top + m_y;
    double width = 0;
    for (double column : widths)
        width += column;
    const QRectF whole(m_left, top, width, row.height);
    m_painter.fillRect(whole, QColor(QLatin1String(row.heading ? TableLook::HeadingShade
                                                               : TableLook::BodyShade)));
    QPen border(Qt::black);
    border.setWidthF(dots(TableLook::BorderWidth));
    m_painter.setPen(border);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(whole);
    QVector<QLineF> separators;
    double x = m_left;
    for (size_t column = 0; column < row.cells.size(); ++column) {
        if (column > 0)
            separators.append(QLineF(x, top, x, top + row.height));
        double y = top + padding;
        for (const LaidOutText &line : row.cells[column]) {
            line.layout->draw(&m_painter, QPointF(x + padding, y));
            y += line.height;
        }
        x += widths[int(column)];
    }
    m_painter.drawLines(separators);
    m_y += row.height;
}

// The rows are laid out one at a time, so that a table of thousands of rows takes no more
// memory than one of them; the heading row is kept to be repeated on every new page, and
// never left alone at the foot of a page.
void PagePainter::paintTable(const ReportFlow::Item &item)
{
    const ReportTable &table = m_document.table(item.table);
    if (table.rows() == 0 || table.columns() == 0)
        return;
    QVector<double> widths = TableLayout::columnWidths(table);
    for (double &width : widths)
        width = dots(width);
    const QVector<ReportAlignment> &alignments = m_flow.columnAlignments(item.table);
    const LaidOutRow heading = laidOutRow(table, 1, widths, alignments, item.fontSize);
    LaidOutRow next;
    if (table.rows() >= 2)
        next = laidOutRow(table, 2, widths, alignments, item.fontSize);
    if (!fits(heading.height + next.height) && m_y > 0)
        newPage();
    paintRow(heading, widths);
    for (int row = 2; row <= table.rows(); ++row) {
        if (row > 2)
            next = laidOutRow(table, row, widths, alignments, item.fontSize);
        if (!fits(next.height) && m_y > heading.height) {
            newPage();
            paintRow(heading, widths);
        }
        paintRow(next, widths);
    }
}

bool PagePainter::paint()
{
    if (m_drawing && !m_painter.begin(&m_writer))
        return false;
    for (const ReportFlow::Item &item : m_flow.items()) {
        if (item.newPage && m_started)
            newPage();
        m_started = true;
        if (item.kind == ReportFlow::Item::Kind::Table)
            paintTable(item);
        else
            paintParagraph(item);
    }
    paintPageNumber();
    return !m_drawing || m_painter.end();
}

} // namespace

QByteArray PdfRenderer::render(const ReportDocument &document)
{
    // Without a graphical session's fonts the file would have pages and no text.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        || QFontDatabase::families().isEmpty())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setCreator(QStringLiteral("Veltra"));
        std::optional<int> pageCount;
        if (document.pageCountShown()) {
            PagePainter counter(writer, document, std::nullopt);
            counter.paint();
            pageCount = counter.pages();
        }
        if (!PagePainter(writer, document, pageCount).paint())
            return QByteArray();
    }
    return bytes;
}

bool PdfRenderer::write(const ReportDocument &document, const QString &path)
{
    const QByteArray bytes = render(document);
    return !bytes.isEmpty() && FileReplacement::replace(path, bytes);
}

} // namespace veltra
