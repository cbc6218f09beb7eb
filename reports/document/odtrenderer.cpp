#include "reports/document/odtrenderer.h"

#include "core/archive/filereplacement.h"
#include "reports/document/reportdocument.h"
#include "reports/document/reportflow.h"
#include "reports/document/tablelayout.h"

#include <QHash>

#include <zip.h>

#include <memory>

namespace veltra {

namespace {

const char OfficeNamespaces[] =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " office:version=\"1.2\"";

const char XmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The heading row is set off by a darker shade and bold letters, the other rows lightly
// shaded, all in a thin black grid.
const char HeadingShade[] = "#8eaadb";
const char BodyShade[] = "#dee6f3";

QString escapedAttribute(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    return escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
}

bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 && c != 0xFFFE && c != 0xFFFF;
}

// Appends a run of blanks so that the reader keeps every one of them, even at the start
// or the end of a paragraph, where XML would drop them.
void appendBlanks(QString &out, int count, bool atEdge)
{
    if (!atEdge) {
        out += QLatin1Char(' ');
        --count;
    }
    if (count > 0)
        out += QStringLiteral("<text:s text:c=\"%1\"/>").arg(count);
}

// Appends a paragraph's text as ODF character content, verbatim as the reader will see it.
void appendText(QString &out, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' ')) {
            int end = i;
            while (end < text.size() && text[end] == QLatin1Char(' '))
                ++end;
            appendBlanks(out, end - i, i == 0 || end == text.size());
            i = end - 1;
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("<text:tab/>");
        } else if (c.unicode() == 11) {
            out += QLatin1String("<text:line-break/>");
        } else if (c == QLatin1Char('&')) {
            out += QLatin1String("&amp;");
        } else if (c == QLatin1Char('<')) {
            out += QLatin1String("&lt;");
        } else if (c == QLatin1Char('>')) {
            out += QLatin1String("&gt;");
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate()) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (isXmlCharacter(c.unicode())) {
            out += c;
        }
    }
}

QString points(double value)
{
    return QString::number(value, 'f', 2) + QLatin1String("pt");
}

QString alignmentValue(ReportAlignment alignment)
{
    switch (alignment) {
    case ReportAlignment::Justify:
        return QStringLiteral("justify");
    case ReportAlignment::Right:
        return QStringLiteral("end");
    case ReportAlignment::Left:
        break;
    }
    return QStringLiteral("start");
}

// Builds content.xml: the body first, while the automatic styles it needs are collected,
// each distinct look written once.
class ContentWriter
{
public:
    ContentWriter(const ReportDocument &document)
        : m_document(document)
        , m_flow(document)
        , m_font(escapedAttribute(document.fontName()))
    {
    }

    QByteArray content();

private:
    void writeParagraph(const ReportFlow::Item &item);
    void writeTable(const ReportFlow::Item &item);
    void writeRow(const ReportTable &table, int row, const QVector<QString> &lineStyles);
    QString paragraphStyle(std::optional<int> size, bool bold, ReportAlignment alignment,
                           bool newPage);
    QString tableStyle(double width, bool newPage);
    QString columnStyle(double width);
    QString textProperties(std::optional<int> size, bool bold) const;
    void flushBody();

    const ReportDocument &m_document;
    ReportFlow m_flow;
    QString m_font;
    // The body is written a row or a paragraph at a time, then kept as UTF-8: a long
    // printout (the account cards of 500 owners) would need three times the memory as text.
    QString m_body;
    QByteArray m_bodyUtf8;
    QString m_styles;
    QHash<QString, QString> m_styleNames;
};

QString ContentWriter::textProperties(std::optional<int> size, bool bold) const
{
    QString properties = QStringLiteral("<style:text-properties style:font-name=\"%1\""
                                        " style:font-name-asian=\"%1\""
                                        " style:font-name-complex=\"%1\"").arg(m_font);
    if (size) {
        properties += QStringLiteral(" fo:font-size=\"%1pt\" style:font-size-asian=\"%1pt\""
                                     " style:font-size-complex=\"%1pt\"").arg(*size);
    }
    if (bold) {
        properties += QLatin1String(" fo:font-weight=\"bold\" style:font-weight-asian=\"bold\""
                                    " style:font-weight-complex=\"bold\"");
    }
    return properties + QLatin1String("/>");
}

QString ContentWriter::paragraphStyle(std::optional<int> size, bool bold,
                                      ReportAlignment alignment, bool newPage)
{
    const QString key = QStringLiteral("P %1 %2 %3 %4")
                            .arg(size.value_or(0)).arg(bold).arg(int(alignment)).arg(newPage);
    QString &name = m_styleNames[key];
    if (!name.isEmpty())
        return name;
    name = QStringLiteral("P%1").arg(m_styleNames.size());
    m_styles += QStringLiteral("<style:style style:name=\"%1\" style:family=\"paragraph\""
                               " style:parent-style-name=\"Standard\">"
                               "<style:paragraph-properties fo:text-align=\"%2\"%3/>")
                    .arg(name, alignmentValue(alignment),
                         newPage ? QStringLiteral(" fo:break-before=\"page\"") : QString());
    m_styles += textProperties(size, bold) + QLatin1String("</style:style>");
    return name;
}

QString ContentWriter::tableStyle(double width, bool newPage)
{
    const QString key = QStringLiteral("T %1 %2").arg(points(width)).arg(newPage);
    QString &name = m_styleNames[key];
    if (!name.isEmpty())
        return name;
    name = QStringLiteral("Ta%1").arg(m_styleNames.size());
    m_styles += QStringLiteral("<style:style style:name=\"%1\" style:family=\"table\">"
                               "<style:table-properties style:width=\"%2\" table:align=\"left\"%3/>"
                               "</style:style>")
                    .arg(name, points(width),
                         newPage ? QStringLiteral(" fo:break-before=\"page\"") : QString());
    return name;
}

QString ContentWriter::columnStyle(double width)
{
    const QString key = QStringLiteral("C %1").arg(points(width));
    QString &name = m_styleNames[key];
    if (!name.isEmpty())
        return name;
    name = QStringLiteral("Co%1").arg(m_styleNames.size());
    m_styles += QStringLiteral("<style:style style:name=\"%1\" style:family=\"table-column\">"
                               "<style:table-column-properties style:column-width=\"%2\"/>"
                               "</style:style>")
                    .arg(name, points(width));
    return name;
}

void ContentWriter::writeParagraph(const ReportFlow::Item &item)
{
    m_body += QStringLiteral("<text:p text:style-name=\"%1\">")
                  .arg(paragraphStyle(item.fontSize, item.bold, m_flow.paragraphAlignment(),
                                      item.newPage));
    appendText(m_body, item.text);
    m_body += QLatin1String("</text:p>\n");
    flushBody();
}

void ContentWriter::flushBody()
{
    m_bodyUtf8 += m_body.toUtf8();
    m_body.clear();
}

void ContentWriter::writeRow(const ReportTable &table, int row, const QVector<QString> &lineStyles)
{
    const QString cellStyle = row == 1 ? QStringLiteral("CeHead") : QStringLiteral("CeBody");
    m_body += QLatin1String("<table:table-row>");
    for (int column = 1; column <= table.columns(); ++column) {
        m_body += QStringLiteral("<table:table-cell table:style-name=\"%1\""
                                 " office:value-type=\"string\">").arg(cellStyle);
        for (const QString &line : ReportFlow::cellLines(table.cell(row, column))) {
            m_body += QStringLiteral("<text:p text:style-name=\"%1\">").arg(lineStyles[column - 1]);
            appendText(m_body, line);
            m_body += QLatin1String("</text:p>");
        }
        m_body += QLatin1String("</table:table-cell>");
    }
    m_body += QLatin1String("</table:table-row>\n");
    flushBody();
}

void ContentWriter::writeTable(const ReportFlow::Item &item)
{
    const ReportTable &table = m_document.table(item.table);
    if (table.rows() == 0 || table.columns() == 0)
        return;
    const QVector<double> widths = TableLayout::columnWidths(table);
    double total = 0;
    for (double width : widths)
        total += width;
    m_body += QStringLiteral("<table:table table:name=\"Tabella%1\" table:style-name=\"%2\">")
                  .arg(item.table).arg(tableStyle(total, item.newPage));
    for (double width : widths)
        m_body += QStringLiteral("<table:table-column table:style-name=\"%1\"/>").arg(columnStyle(width));

    const QVector<ReportAlignment> &alignments = m_flow.columnAlignments(item.table);
    QVector<QString> headingStyles;
    QVector<QString> bodyStyles;
    for (ReportAlignment alignment : alignments) {
        headingStyles.append(paragraphStyle(item.fontSize, true, alignment, false));
        bodyStyles.append(paragraphStyle(item.fontSize, false, alignment, false));
    }
    // The heading row is repeated at the top of every page the table runs onto.
    m_body += QLatin1String("<table:table-header-rows>");
    writeRow(table, 1, headingStyles);
    m_body += QLatin1String("</table:table-header-rows>");
    for (int row = 2; row <= table.rows(); ++row)
        writeRow(table, row, bodyStyles);
    m_body += QLatin1String("</table:table>\n");
    flushBody();
}

QByteArray ContentWriter::content()
{
    for (const ReportFlow::Item &item : m_flow.items()) {
        if (item.kind == ReportFlow::Item::Kind::Table)
            writeTable(item);
        else
            writeParagraph(item);
    }
    const QString cellStyles = QStringLiteral(
        "<style:style style:name=\"CeHead\" style:family=\"table-cell\">"
        "<style:table-cell-properties fo:background-color=\"%1\" fo:border=\"0.5pt solid #000000\""
        " fo:padding=\"0.05cm\"/></style:style>"
        "<style:style style:name=\"CeBody\" style:family=\"table-cell\">"
        "<style:table-cell-properties fo:background-color=\"%2\" fo:border=\"0.5pt solid #000000\""
        " fo:padding=\"0.05cm\"/></style:style>")
                                   .arg(QLatin1String(HeadingShade), QLatin1String(BodyShade));
    QByteArray xml(XmlDeclaration);
    xml += "<office:document-content";
    xml += OfficeNamespaces;
    xml += ">\n<office:font-face-decls>";
    xml += QStringLiteral("<style:font-face style:name=\"%1\" svg:font-family=\"&apos;%1&apos;\"/>")
               .arg(m_font).toUtf8();
    xml += "</office:font-face-decls>\n<office:automatic-styles>";
    xml += (cellStyles + m_styles).toUtf8();
    xml += "</office:automatic-styles>\n<office:body><office:text>\n";
    flushBody();
    xml += m_bodyUtf8;
    m_bodyUtf8.clear();
    xml += "</office:text></office:body></office:document-content>\n";
    return xml;
}

QByteArray stylesXml(const ReportDocument &document)
{
    const QString font = escapedAttribute(document.fontName());
    QString xml = QLatin1String(XmlDeclaration);
    xml += QLatin1String("<office:document-styles") + QLatin1String(OfficeNamespaces) + QLatin1String(">\n");
    xml += QStringLiteral("<office:font-face-decls><style:font-face style:name=\"%1\""
                          " svg:font-family=\"&apos;%1&apos;\"/></office:font-face-decls>\n")
               .arg(font);
    const QString text = QStringLiteral("<style:text-properties style:font-name=\"%1\""
                                        " style:font-name-asian=\"%1\" style:font-name-complex=\"%1\""
                                        " fo:font-size=\"%2pt\" style:font-size-asian=\"%2pt\""
                                        " style:font-size-complex=\"%2pt\" fo:language=\"it\""
                                        " fo:country=\"IT\"/>")
                             .arg(font).arg(PageGeometry::DefaultFontSize);
    xml += QLatin1String("<office:styles><style:default-style style:family=\"paragraph\">")
        + text + QLatin1String("</style:default-style>")
        + QLatin1String("<style:style style:name=\"Standard\" style:family=\"paragraph\""
                        " style:class=\"text\">")
        + text + QLatin1String("</style:style></office:styles>\n");
    xml += QStringLiteral("<office:automatic-styles><style:page-layout style:name=\"pm1\">"
                          "<style:page-layout-properties fo:page-width=\"%1\" fo:page-height=\"%2\""
                          " style:print-orientation=\"portrait\" fo:margin-top=\"%3\""
                          " fo:margin-bottom=\"%3\" fo:margin-left=\"%3\" fo:margin-right=\"%3\"/>"
                          "</style:page-layout></office:automatic-styles>\n")
               .arg(points(PageGeometry::Width), points(PageGeometry::Height),
                    points(PageGeometry::Margin));
    xml += QLatin1String("<office:master-styles><style:master-page style:name=\"Standard\""
                         " style:page-layout-name=\"pm1\"/></office:master-styles>\n"
                         "</office:document-styles>\n");
    return xml.toUtf8();
}

const char Manifest[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
    " manifest:version=\"1.2\">\n"
    " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\""
    " manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>\n"
    " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
    " <manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>\n"
    "</manifest:manifest>\n";

const char MimeType[] = "application/vnd.oasis.opendocument.text";

// A zip archive built in memory; the entries' bytes must outlive it.
class ZipPackage
{
public:
    ZipPackage()
    {
        zip_error_init(&m_error);
        m_source = zip_source_buffer_create(nullptr, 0, 0, &m_error);
        if (m_source)
            m_archive = zip_open_from_source(m_source, ZIP_TRUNCATE, &m_error);
        if (m_archive) {
            zip_source_keep(m_source); // kept past zip_close, to read the result back
        } else if (m_source) {
            zip_source_free(m_source);
            m_source = nullptr;
        }
    }
    ~ZipPackage()
    {
        if (m_archive)
            zip_discard(m_archive);
        if (m_source)
            zip_source_free(m_source);
        zip_error_fini(&m_error);
    }
    ZipPackage(const ZipPackage &) = delete;
    ZipPackage &operator=(const ZipPackage &) = delete;

    bool add(const char *name, const QByteArray &bytes, bool stored);
    QByteArray finish();

private:
    zip_error_t m_error;
    zip_source_t *m_source = nullptr;
    zip_t *m_archive = nullptr;
};

bool ZipPackage::add(const char *name, const QByteArray &bytes, bool stored)
{
    if (!m_archive)
        return false;
    zip_source_t *entry = zip_source_buffer(m_archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!entry)
        return false;
    const zip_int64_t index = zip_file_add(m_archive, name, entry, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(entry);
        return false;
    }
    const zip_int32_t method = stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    return zip_set_file_compression(m_archive, zip_uint64_t(index), method, 0) == 0;
}

QByteArray ZipPackage::finish()
{
    if (!m_archive || zip_close(m_archive) != 0)
        return {};
    m_archive = nullptr;
    QByteArray bytes;
    if (zip_source_open(m_source) != 0)
        return {};
    zip_source_seek(m_source, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(m_source);
    zip_source_seek(m_source, 0, SEEK_SET);
    if (size > 0) {
        bytes.resize(qsizetype(size));
        if (zip_source_read(m_source, bytes.data(), zip_uint64_t(size)) != size)
            bytes.clear();
    }
    zip_source_close(m_source);
    return bytes;
}

} // namespace

QByteArray OdtRenderer::render(const ReportDocument &document)
{
    // The mimetype comes first and uncompressed, so that the format is known by its bytes.
    const QByteArray mimeType(MimeType);
    const QByteArray manifest(Manifest);
    const QByteArray content = ContentWriter(document).content();
    const QByteArray styles = stylesXml(document);
    ZipPackage package;
    const bool added = package.add("mimetype", mimeType, true)
        && package.add("META-INF/manifest.xml", manifest, false)
        && package.add("content.xml", content, false)
        && package.add("styles.xml", styles, false);
    return added ? package.finish() : QByteArray();
}

bool OdtRenderer::write(const ReportDocument &document, const QString &path)
{
    const QByteArray bytes = render(document);
    return !bytes.isEmpty() && FileReplacement::replace(path, bytes);
}

} // namespace veltra
