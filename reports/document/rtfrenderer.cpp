#include "reports/document/rtfrenderer.h"

#include "core/archive/filereplacement.h"
#include "reports/document/reportdocument.h"
#include "reports/document/reportflow.h"
#include "reports/document/tablelayout.h"

#include <cmath>

namespace veltra {

namespace {

// Colour 1 black for the grid, 2 the heading row's darker shade, 3 the other rows' shade.
const char ColourTable[] = "{\\colortbl;\\red0\\green0\\blue0;\\red142\\green170\\blue219;"
                           "\\red222\\green230\\blue243;}\n";
const char CellBorders[] = "\\clbrdrt\\brdrs\\brdrw10\\brdrcf1\\clbrdrl\\brdrs\\brdrw10\\brdrcf1"
                           "\\clbrdrb\\brdrs\\brdrw10\\brdrcf1\\clbrdrr\\brdrs\\brdrw10\\brdrcf1";

int twips(double points)
{
    return int(std::lround(points * 20));
}

// RTF counts font sizes in half points.
QByteArray fontSize(std::optional<int> size)
{
    return "\\fs" + QByteArray::number(2 * size.value_or(PageGeometry::DefaultFontSize));
}

QByteArray alignment(ReportAlignment value)
{
    switch (value) {
    case ReportAlignment::Justify:
        return "\\qj";
    case ReportAlignment::Right:
        return "\\qr";
    case ReportAlignment::Left:
        break;
    }
    return "\\ql";
}

// Appends text as RTF, every character kept: the three RTF specials escaped, tab and line
// break as control words, anything beyond ASCII as a signed 16-bit \u code.
void appendText(QByteArray &out, const QString &text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == '\\' || code == '{' || code == '}') {
            out += '\\';
            out += char(code);
        } else if (code == '\t') {
            out += "\\tab ";
        } else if (code == 11) {
            out += "\\line ";
        } else if (code >= 0x20 && code < 0x80) {
            out += char(code);
        } else if (code >= 0x80) {
            out += "\\u" + QByteArray::number(int(qint16(code))) + '?';
        }
    }
}

class RtfWriter
{
public:
    explicit RtfWriter(const ReportDocument &document)
        : m_document(document)
        , m_flow(document)
    {
    }

    QByteArray rtf();

private:
    void writeParagraph(const ReportFlow::Item &item);
    void writeTable(const ReportFlow::Item &item);
    void writeRow(const ReportFlow::Item &item, int row, const QByteArray &definition);

    const ReportDocument &m_document;
    ReportFlow m_flow;
    QByteArray m_out;
};

void RtfWriter::writeParagraph(const ReportFlow::Item &item)
{
    m_out += "\\pard\\plain\\f0" + fontSize(item.fontSize) + (item.bold ? "\\b" : "")
        + alignment(m_flow.paragraphAlignment()) + (item.newPage ? "\\pagebb" : "") + ' ';
    appendText(m_out, item.text);
    m_out += "\\par\n";
}

void RtfWriter::writeRow(const ReportFlow::Item &item, int row, const QByteArray &definition)
{
    const ReportTable &table = m_document.table(item.table);
    const QVector<ReportAlignment> &alignments = m_flow.columnAlignments(item.table);
    m_out += definition;
    for (int column = 1; column <= table.columns(); ++column) {
        m_out += "\\pard\\plain\\intbl\\f0" + fontSize(item.fontSize) + (row == 1 ? "\\b" : "")
            + alignment(alignments[column - 1]) + ' ';
        const QStringList lines = ReportFlow::cellLines(table.cell(row, column));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                m_out += "\\par ";
            appendText(m_out, lines[i]);
        }
        m_out += "\\cell\n";
    }
    m_out += "\\row\n";
}

void RtfWriter::writeTable(const ReportFlow::Item &item)
{
    const ReportTable &table = m_document.table(item.table);
    if (table.rows() == 0 || table.columns() == 0)
        return;
    // A page break cannot stand on a table row: an empty hairline paragraph carries it.
    if (item.newPage)
        m_out += "\\pard\\plain\\f0\\fs2\\pagebb\\par\n";
    const QVector<double> widths = TableLayout::columnWidths(table);
    QByteArray heading = "\\trowd\\trgaph70\\trleft0\\trhdr";
    QByteArray body = "\\trowd\\trgaph70\\trleft0";
    double right = 0;
    for (double width : widths) {
        right += width;
        const QByteArray edge = "\\cellx" + QByteArray::number(twips(right));
        heading += CellBorders + QByteArray("\\clcbpat2") + edge;
        body += CellBorders + QByteArray("\\clcbpat3") + edge;
    }
    heading += '\n';
    body += '\n';
    writeRow(item, 1, heading);
    for (int row = 2; row <= table.rows(); ++row)
        writeRow(item, row, body);
}

QByteArray RtfWriter::rtf()
{
    m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    appendText(m_out, m_document.fontName());
    m_out += ";}}\n";
    m_out += ColourTable;
    m_out += "\\paperw" + QByteArray::number(twips(PageGeometry::Width))
        + "\\paperh" + QByteArray::number(twips(PageGeometry::Height));
    for (const char *side : { "\\margl", "\\margr", "\\margt", "\\margb" })
        m_out += side + QByteArray::number(twips(PageGeometry::Margin));
    m_out += "\n";
    if (m_document.pageCountShown())
        m_out += QByteArray("{\\footer\\pard\\plain\\qc\\f0") + fontSize(PageFooter::FontSize) + ' '
            + PageFooter::Page + "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}" + PageFooter::Of
            + "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}\\par}\n";
    for (const ReportFlow::Item &item : m_flow.items()) {
        if (item.kind == ReportFlow::Item::Kind::Table)
            writeTable(item);
        else
            writeParagraph(item);
    }
    m_out += "}\n";
    return m_out;
}

} // namespace

QByteArray RtfRenderer::render(const ReportDocument &document)
{
    return RtfWriter(document).rtf();
}

bool RtfRenderer::write(const ReportDocument &document, const QString &path)
{
    return FileReplacement::replace(path, render(document));
}

} // namespace veltra
