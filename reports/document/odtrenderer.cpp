#include "reports/document/odtrenderer.h"

#include "core/archive/filereplacement.h"
#include "reports/document/reportdocument.h"
#include "reports/document/reportflow.h"
#include "reports/document/tablelayout.h"

#include <QHash>
#include <QTemporaryFile>

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <ctime>

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

QString escapedAttribute(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    return escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
}

bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 && c != 0xFFFE && c != 0xFFFF;
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Appends a run of blanks so that the reader keeps every one of them, even at the start
// or the end of a paragraph, where XML would drop them.
void appendBlanks(QByteArray &out, int count, bool atEdge)
{
    if (!atEdge) {
        out += ' ';
        --count;
    }
    if (count > 0) {
        out += "<text:s text:c=\"";
        out += QByteArray::number(count);
        out += "\"/>";
    }
}

// Appends a paragraph's text as ODF character content in UTF-8, verbatim as the reader
// will see it.
void appendText(QByteArray &out, const QString &text)
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
            out += "<text:tab/>";
        } else if (c.unicode() == 11) {
            out += "<text:line-break/>";
        } else if (c == QLatin1Char('&')) {
            out += "&amp;";
        } else if (c == QLatin1Char('<')) {
            out += "&lt;";
        } else if (c == QLatin1Char('>')) {
            out += "&gt;";
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else if (c.isSurrogate()) {
            appendUtf8(out, QChar::ReplacementCharacter);
        } else if (isXmlCharacter(c.unicode())) {
            appendUtf8(out, c.unicode());
        }
    }
}

// Appends one paragraph of a cell or of the body: the opening tag with its style, the
// text, the closing tag.
void appendParagraph(QByteArray &out, const QByteArray &opening, const QString &text)
{
    out += opening;
    appendText(out, text);
    out += "</text:p>";
}

QByteArray paragraphOpening(const QString &style)
{
    return "<text:p text:style-name=\"" + style.toUtf8() + "\">";
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

// Large enough that the body file is written in few calls, small against the body.
constexpr qsizetype BodyChunk = 256 * 1024;

const char HeadingCell[] =
    "<table:table-cell table:style-name=\"CeHead\" office:value-type=\"string\">";
const char BodyCell[] =
    "<table:table-cell table:style-name=\"CeBody\" office:value-type=\"string\">";

// Builds content.xml. The body goes into a temporary file a row or a paragraph at a time,
// as it is produced, while the automatic styles it needs are collected, each distinct look
// written once; the styles, which the reader needs first, then head it in the package.
// Held whole in memory, the body of a long printout (the account cards of 500 owners)
// would take tens of megabytes.
class ContentWriter
{
public:
    explicit ContentWriter(const ReportDocument &document)
        : m_document(document)
        , m_flow(document)
        , m_font(escapedAttribute(document.fontName()))
    {
    }

    // Writes the body into its temporary file; false when the file could not be written.
    bool writeBody();
    QFile &body() { return m_file; }
    // What precedes the body: the declaration, the fonts, the styles the body uses.
    QByteArray head() const;
    static QByteArray tail();

private:
    void writeParagraph(const ReportFlow::Item &item);
    void writeTable(const ReportFlow::Item &item);
    void writeRow(const ReportTable &table, int row, const QVector<QByteArray> &lineOpenings);
    QString paragraphStyle(std::optional<int> size, bool bold, ReportAlignment alignment,
                           bool newPage);
    QString tableStyle(double width, bool newPage);
    QString columnStyle(double width);
    QString textProperties(std::optional<int> size, bool bold) const;
    // Hands what is buffered to the file once the buffer is full, or always with force.
    void flushBody(bool force = false);

    const ReportDocument &m_document;
    ReportFlow m_flow;
    QString m_font;
    QTemporaryFile m_file;
    QByteArray m_buffer;
    bool m_failed = false;
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

void ContentWriter::flushBody(bool force)
{
    if (m_buffer.isEmpty() || (!force && m_buffer.size() < BodyChunk))
        return;
    m_failed = m_failed || m_file.write(m_buffer) != m_buffer.size();
    // Emptied, not freed: the buffer is filled again to the same size, row after row.
    m_buffer.resize(0);
}

void ContentWriter::writeParagraph(const ReportFlow::Item &item)
{
    const QString style = paragraphStyle(item.fontSize, item.bold, m_flow.paragraphAlignment(),
                                         item.newPage);
    appendParagraph(m_buffer, paragraphOpening(style), item.text);
    m_buffer += '\n';
    flushBody();
}

void ContentWriter::writeRow(const ReportTable &table, int row,
                             const QVector<QByteArray> &lineOpenings)
{
    const char *cellOpening = row == 1 ? HeadingCell : BodyCell;
    m_buffer += "<table:table-row>";
    for (int column = 1; column <= table.columns(); ++column) {
        m_buffer += cellOpening;
        const QString &text = table.cell(row, column);
        const QByteArray &opening = lineOpenings[column - 1];
        // Nearly every cell is one line: it is written without being split.
        if (ReportFlow::isSingleLine(text)) {
            appendParagraph(m_buffer, opening, text);
        } else {
            for (const QString &line : ReportFlow::cellLines(text))
                appendParagraph(m_buffer, opening, line);
        }
        m_buffer += "</table:table-cell>";
    }
    m_buffer += "</table:table-row>\n";
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
    m_buffer += QStringLiteral("<table:table table:name=\"Tabella%1\" table:style-name=\"%2\">")
                    .arg(item.table).arg(tableStyle(total, item.newPage)).toUtf8();
    for (double width : widths) {
        m_buffer += "<table:table-column table:style-name=\"" + columnStyle(width).toUtf8()
            + "\"/>";
    }

    const QVector<ReportAlignment> &alignments = m_flow.columnAlignments(item.table);
    QVector<QByteArray> headingOpenings;
    QVector<QByteArray> bodyOpenings;
    for (ReportAlignment alignment : alignments) {
        headingOpenings.append(paragraphOpening(paragraphStyle(item.fontSize, true, alignment, false)));
        bodyOpenings.append(paragraphOpening(paragraphStyle(item.fontSize, false, alignment, false)));
    }
    // The heading row is repeated at the top of every page the table runs onto.
    m_buffer += "<table:table-header-rows>";
    writeRow(table, 1, headingOpenings);
    m_buffer += "</table:table-header-rows>";
    for (int row = 2; row <= table.rows(); ++row)
        writeRow(table, row, bodyOpenings);
    m_buffer += "</table:table>\n";
    flushBody();
}

bool ContentWriter::writeBody()
{
    if (!m_file.open())
        return false;
    m_buffer.reserve(2 * BodyChunk);
    for (const ReportFlow::Item &item : m_flow.items()) {
        if (item.kind == ReportFlow::Item::Kind::Table)
            writeTable(item);
        else
            writeParagraph(item);
        if (m_failed)
            return false;
    }
    flushBody(true);
    return !m_failed && m_file.flush() && m_file.seek(0);
}

QByteArray ContentWriter::head() const
{
    const QString cellStyles = QStringLiteral(
        "<style:style style:name=\"CeHead\" style:family=\"table-cell\">"
        "<style:table-cell-properties fo:background-color=\"%1\" fo:border=\"0.5pt solid #000000\""
        " fo:padding=\"0.05cm\"/></style:style>"
        "<style:style style:name=\"CeBody\" style:family=\"table-cell\">"
        "<style:table-cell-properties fo:background-color=\"%2\" fo:border=\"0.5pt solid #000000\""
        " fo:padding=\"0.05cm\"/></style:style>")
                                   .arg(QLatin1String(TableLook::HeadingShade),
                                        QLatin1String(TableLook::BodyShade));
    QByteArray xml(XmlDeclaration);
    xml += "<office:document-content";
    xml += OfficeNamespaces;
    xml += ">\n<office:font-face-decls>";
    xml += QStringLiteral("<style:font-face style:name=\"%1\" svg:font-family=\"&apos;%1&apos;\"/>")
               .arg(m_font).toUtf8();
    xml += "</office:font-face-decls>\n<office:automatic-styles>";
    xml += (cellStyles + m_styles).toUtf8();
    xml += "</office:automatic-styles>\n<office:body><office:text>\n";
    return xml;
}

QByteArray ContentWriter::tail()
{
    return "</office:text></office:body></office:document-content>\n";
}

// content.xml as libzip reads it while it deflates: the head, the body from its file, the
// tail, each read once, in pieces of the size libzip asks for. Its size is known, so the
// entry needs no 64-bit size fields.
class ContentSource
{
public:
    explicit ContentSource(ContentWriter &writer)
        : m_head(writer.head())
        , m_body(writer.body())
        , m_tail(ContentWriter::tail())
    {
        zip_error_init(&m_error);
    }
    ~ContentSource() { zip_error_fini(&m_error); }
    ContentSource(const ContentSource &) = delete;
    ContentSource &operator=(const ContentSource &) = delete;

    static zip_int64_t command(void *self, void *data, zip_uint64_t length, zip_source_cmd_t cmd);

private:
    zip_int64_t read(char *data, zip_uint64_t length);
    zip_int64_t stat(void *data) const;
    zip_uint64_t size() const { return zip_uint64_t(m_head.size() + m_body.size() + m_tail.size()); }

    QByteArray m_head;
    QFile &m_body;
    QByteArray m_tail;
    zip_uint64_t m_position = 0;
    zip_error_t m_error;
};

zip_int64_t ContentSource::command(void *self, void *data, zip_uint64_t length, zip_source_cmd_t cmd)
{
    auto *source = static_cast<ContentSource *>(self);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        source->m_position = 0;
        return source->m_body.seek(0) ? 0 : -1;
    case ZIP_SOURCE_READ:
        return source->read(static_cast<char *>(data), length);
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_STAT:
        return source->stat(data);
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->m_error, data, length);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
    default:
        zip_error_set(&source->m_error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

zip_int64_t ContentSource::read(char *data, zip_uint64_t length)
{
    const zip_uint64_t headEnd = zip_uint64_t(m_head.size());
    const zip_uint64_t bodyEnd = headEnd + zip_uint64_t(m_body.size());
    length = std::min(length, size() - m_position);
    zip_uint64_t done = 0;
    while (done < length) {
        const zip_uint64_t at = m_position + done;
        zip_uint64_t piece = 0;
        if (at < headEnd) {
            piece = std::min(length - done, headEnd - at);
            std::memcpy(data + done, m_head.constData() + at, piece);
        } else if (at < bodyEnd) {
            const qint64 got = m_body.read(data + done, qint64(std::min(length - done, bodyEnd - at)));
            if (got <= 0) {
                zip_error_set(&m_error, ZIP_ER_READ, 0);
                return -1;
            }
            piece = zip_uint64_t(got);
        } else {
            piece = std::min(length - done, size() - at);
            std::memcpy(data + done, m_tail.constData() + (at - bodyEnd), piece);
        }
        done += piece;
    }
    m_position += done;
    return zip_int64_t(done);
}

zip_int64_t ContentSource::stat(void *data) const
{
    auto *st = static_cast<zip_stat_t *>(data);
    zip_stat_init(st);
    st->size = size();
    st->mtime = std::time(nullptr);
    st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return sizeof(zip_stat_t);
}

// The centred paragraph of the page numbers, where the document shows them.
QString footerStyle(const ReportDocument &document)
{
    if (!document.pageCountShown())
        return QString();
    return QStringLiteral("<style:style style:name=\"Footer\" style:family=\"paragraph\""
                          " style:parent-style-name=\"Standard\" style:class=\"extra\">"
                          "<style:paragraph-properties fo:text-align=\"center\"/>"
                          "<style:text-properties fo:font-size=\"%1pt\" style:font-size-asian=\"%1pt\""
                          " style:font-size-complex=\"%1pt\"/></style:style>")
        .arg(PageFooter::FontSize);
}

// The end of the master page: "Pagina N di M" at the foot of every page, the word processor
// counting both, where the document asks for them.
QString footer(const ReportDocument &document)
{
    if (!document.pageCountShown())
        return QStringLiteral("/>");
    return QStringLiteral("><style:footer><text:p text:style-name=\"Footer\">%1<text:page-number"
                          " text:select-page=\"current\">1</text:page-number>%2<text:page-count>1"
                          "</text:page-count></text:p></style:footer></style:master-page>")
        .arg(QLatin1String(PageFooter::Page), QLatin1String(PageFooter::Of));
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
        + text + QLatin1String("</style:style>") + footerStyle(document)
        + QLatin1String("</office:styles>\n");
    xml += QStringLiteral("<office:automatic-styles><style:page-layout style:name=\"pm1\">"
                          "<style:page-layout-properties fo:page-width=\"%1\" fo:page-height=\"%2\""
                          " style:print-orientation=\"portrait\" fo:margin-top=\"%3\""
                          " fo:margin-bottom=\"%3\" fo:margin-left=\"%3\" fo:margin-right=\"%3\"/>%4"
                          "</style:page-layout></office:automatic-styles>\n")
               .arg(points(PageGeometry::Width), points(PageGeometry::Height),
                    points(PageGeometry::Margin),
                    document.pageCountShown()
                        ? QStringLiteral("<style:footer-style><style:header-footer-properties"
                                         " fo:min-height=\"0pt\" fo:margin-top=\"6pt\"/></style:footer-style>")
                        : QString());
    xml += QLatin1String("<office:master-styles><style:master-page style:name=\"Standard\""
                         " style:page-layout-name=\"pm1\"") + footer(document)
        + QLatin1String("</office:master-styles>\n</office:document-styles>\n");
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

// A zip archive built in memory, compressed as it is built; the entries' bytes and sources
// must outlive it.
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
    // Adds content.xml, deflated as libzip reads it from the source.
    bool add(const char *name, ContentSource &content);
    QByteArray finish();

private:
    bool add(const char *name, zip_source_t *entry, bool stored);

    zip_error_t m_error;
    zip_source_t *m_source = nullptr;
    zip_t *m_archive = nullptr;
};

bool ZipPackage::add(const char *name, const QByteArray &bytes, bool stored)
{
    if (!m_archive)
        return false;
    return add(name, zip_source_buffer(m_archive, bytes.constData(), zip_uint64_t(bytes.size()), 0),
               stored);
}

bool ZipPackage::add(const char *name, ContentSource &content)
{
    if (!m_archive)
        return false;
    return add(name, zip_source_function(m_archive, &ContentSource::command, &content), false);
}

bool ZipPackage::add(const char *name, zip_source_t *entry, bool stored)
{
    if (!entry)
        return false;
    const zip_int64_t index = zip_file_add(m_archive, name, entry, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(entry);
        return false;
    }
    // The fastest level of deflate: the markup repeats itself so much that it still shrinks
    // the content some thirty times, where the default level spends most of a print on it.
    constexpr zip_uint32_t FastestLevel = 1;
    const zip_int32_t method = stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    return zip_set_file_compression(m_archive, zip_uint64_t(index), method, stored ? 0 : FastestLevel) == 0;
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
    ContentWriter writer(document);
    if (!writer.writeBody())
        return {};
    ContentSource content(writer);
    // The mimetype comes first and uncompressed, so that the format is known by its bytes.
    const QByteArray mimeType(MimeType);
    const QByteArray manifest(Manifest);
    const QByteArray styles = stylesXml(document);
    ZipPackage package;
    const bool added = package.add("mimetype", mimeType, true)
        && package.add("META-INF/manifest.xml", manifest, false)
        && package.add("content.xml", content) && package.add("styles.xml", styles, false);
    return added ? package.finish() : QByteArray();
}

bool OdtRenderer::write(const ReportDocument &document, const QString &path)
{
    const QByteArray bytes = render(document);
    return !bytes.isEmpty() && FileReplacement::replace(path, bytes);
}

} // namespace veltra
