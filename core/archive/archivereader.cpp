#include "core/archive/archivereader.h"

#include "core/archive/archivetext.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>

namespace veltra {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits from pos on; returns how many.
qsizetype skipDigits(QStringView text, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && isAsciiDigit(text[pos]))
        ++pos;
    return pos - start;
}

// Why a path that is no regular file cannot be read, for the message that names it.
QString notAFileReason(const QFileInfo &info)
{
    if (info.isDir())
        return QStringLiteral("è una cartella, non un file");
    if (info.isSymLink())
        return QStringLiteral("è un collegamento interrotto");
    if (!info.exists())
        return QStringLiteral("il file non esiste");
    return QString::fromUtf8("non è un file ordinario (è un dispositivo o una coda)");
}

} // namespace

ArchiveReader::ArchiveReader(const QByteArray &bytes)
    : m_text(ArchiveText::decode(bytes))
{
    if (ArchiveText::hasMisleadingMark(bytes)) {
        m_problem = QString::fromUtf8("il file comincia con il segno BOM dell'UTF-8, ma il "
                                      "testo che segue è in Windows-1252");
        fail();
    }
}

bool ArchiveReader::open(const QString &path)
{
    // A folder, a device or a pipe is no archive: reading a pipe would wait for ever.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        m_problem = notAFileReason(info);
        return false;
    }
    if (info.size() > MaxArchiveBytes) {
        m_problem = QString::fromUtf8("il file supera i 64 MB: non è un archivio di questo "
                                      "programma");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_problem = QStringLiteral("il file non può essere aperto in lettura");
        return false;
    }
    const QByteArray bytes = file.read(MaxArchiveBytes + 1);
    if (bytes.size() > MaxArchiveBytes) {
        m_problem = QString::fromUtf8("il file supera i 64 MB: non è un archivio di questo "
                                      "programma");
        return false;
    }
    *this = ArchiveReader(bytes);
    return true;
}

bool ArchiveReader::atLineEnd() const
{
    return m_pos >= m_text.size() || isLineEnd(m_text[m_pos]);
}

bool ArchiveReader::atEnd() const
{
    for (qsizetype i = m_pos; i < m_text.size(); ++i) {
        if (!isLineEnd(m_text[i]))
            return false;
    }
    return true;
}

void ArchiveReader::fail()
{
    if (m_failedLine == 0)
        m_failedLine = m_line;
}

bool ArchiveReader::readQuoted(Field &field)
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char('"')) {
        if (isLineEnd(m_text[m_pos]))
            return false;
        ++m_pos;
    }
    if (m_pos >= m_text.size())
        return false;
    field.text = QStringView(m_text).mid(start, m_pos - start);
    field.quoted = true;
    ++m_pos;
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    return true;
}

void ArchiveReader::readUnquoted(Field &field)
{
    const qsizetype start = m_pos;
    while (!atLineEnd() && m_text[m_pos] != QLatin1Char(','))
        ++m_pos;
    field.text = QStringView(m_text).mid(start, m_pos - start).trimmed();
    field.quoted = false;
}

// After a field comes a comma, which announces the next field of the line, or the end
// of the line.
bool ArchiveReader::finishField()
{
    if (atLineEnd()) {
        m_lineDone = true;
        return true;
    }
    if (m_text[m_pos] != QLatin1Char(','))
        return false;
    ++m_pos;
    return true;
}

bool ArchiveReader::nextField(Field &field)
{
    if (!ok())
        return false;
    // A record whose line has ended early, or a file that ends before the record.
    if (m_lineDone || (!m_inRecord && m_pos >= m_text.size())) {
        fail();
        return false;
    }
    m_inRecord = true;
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
        if (!readQuoted(field)) {
            fail();
            return false;
        }
    } else {
        readUnquoted(field);
    }
    if (!finishField()) {
        fail();
        return false;
    }
    return true;
}

void ArchiveReader::endRecord()
{
    if (!ok())
        return;
    if (!m_lineDone) {
        fail(); // the line holds more fields than the record
        return;
    }
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\r'))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
        ++m_pos;
    ++m_line;
    m_lineDone = false;
    m_inRecord = false;
}

// A number as the writers of the archives leave it: optional sign, digits with or without
// a digit before the point, optional exponent ("1E+20").
bool ArchiveReader::parseNumber(QStringView text, double &value)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        negative = text[pos++] == QLatin1Char('-');
    const qsizetype mantissaStart = pos;
    qsizetype digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        ++pos;
        if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
            ++pos;
        if (skipDigits(text, pos) == 0)
            return false;
    }
    if (pos != text.size())
        return false;
    const QByteArray latin = QByteArray("0") + text.mid(mantissaStart).toLatin1();
    const auto result = std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    if (result.ec != std::errc() || result.ptr != latin.constData() + latin.size())
        return false;
    if (negative)
        value = -value;
    return true;
}

QString ArchiveReader::readText()
{
    Field field;
    if (!nextField(field))
        return QString();
    if (!field.quoted && !field.text.isEmpty()) {
        fail(); // a number where a text is due
        return QString();
    }
    return field.text.toString();
}

std::optional<QString> ArchiveReader::readOptionalText()
{
    Field field;
    if (!nextField(field))
        return std::nullopt;
    if (!field.quoted) {
        if (!field.text.isEmpty())
            fail(); // a number where a text is due
        return std::nullopt;
    }
    return field.text.toString();
}

double ArchiveReader::readNumber()
{
    Field field;
    if (!nextField(field))
        return 0;
    if (field.quoted) {
        fail(); // a text where a number is due
        return 0;
    }
    double value = 0;
    if (!field.text.isEmpty() && !parseNumber(field.text, value)) {
        fail();
        return 0;
    }
    return value;
}

int ArchiveReader::readInteger()
{
    Field field;
    if (!nextField(field))
        return 0;
    if (field.quoted) {
        fail();
        return 0;
    }
    if (field.text.isEmpty())
        return 0;
    bool converted = false;
    const int value = field.text.toInt(&converted);
    if (!converted) {
        fail();
        return 0;
    }
    return value;
}

Cell ArchiveReader::readCell()
{
    Field field;
    if (!nextField(field))
        return Cell();
    if (field.quoted)
        return Cell::fromText(field.text.toString());
    if (field.text.isEmpty())
        return Cell();
    double value = 0;
    if (!parseNumber(field.text, value)) {
        fail();
        return Cell();
    }
    return Cell::fromNumber(value);
}

} // namespace veltra
