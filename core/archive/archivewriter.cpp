#include "core/archive/archivewriter.h"

#include "core/state/cell.h"
#include "core/archive/filereplacement.h"
#include "core/archive/windows1252.h"

#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace veltra {

namespace {

// The first run of the bytes that UTF-8 reads as one character of two to four bytes, or
// nothing. A file whose every such run is valid UTF-8 is read back as UTF-8.
std::optional<QByteArray> utf8Sequence(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > bytes.size())
            continue;
        const QByteArray run = bytes.mid(i, length);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString read = decoder.decode(run);
        if (!decoder.hasError() && !read.isEmpty() && read != QString(QChar::ReplacementCharacter))
            return run;
    }
    return std::nullopt;
}

} // namespace

QString ArchiveWriter::unwritableReason(const QString &text)
{
    for (const QChar c : text) {
        // The notation has no escape: a quote would end the field early on reading.
        if (c == QLatin1Char('"'))
            return QStringLiteral("contiene le virgolette (\")");
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return QStringLiteral("contiene un ritorno a capo");
        if (!Windows1252::canEncode(c))
            return QStringLiteral("contiene il carattere \"%1\", che l'archivio non può "
                                  "contenere").arg(c);
    }
    // Such a run is how UTF-8 writes an accented letter; written in the archive's code page
    // it would come back as that letter ("Ã¨" as "è") when the file is opened again.
    if (const std::optional<QByteArray> run = utf8Sequence(Windows1252::encode(text)))
        return QStringLiteral("contiene i caratteri \"%1\", che all'apertura dell'archivio "
                              "diventerebbero \"%2\"")
            .arg(Windows1252::decode(*run), QString::fromUtf8(*run));
    return QString();
}

void ArchiveWriter::beginField()
{
    if (m_inRecord)
        m_bytes.append(',');
    m_inRecord = true;
}

void ArchiveWriter::writeText(const QString &text)
{
    if (text.isEmpty())
        writeEmpty();
    else
        writeQuotedText(text);
}

void ArchiveWriter::writeQuotedText(const QString &text)
{
    beginField();
    const QString reason = unwritableReason(text);
    if (!reason.isEmpty() && m_error.isEmpty())
        m_error = QStringLiteral("il testo \"%1\" %2").arg(text, reason);
    m_bytes.append('"');
    m_bytes.append(Windows1252::encode(text));
    m_bytes.append('"');
}

void ArchiveWriter::writeNumber(double value, int decimals)
{
    beginField();
    if (!std::isfinite(value)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("un valore numerico non è un numero");
        return;
    }
    if (value == 0 && decimals < 0) {
        m_bytes.append('0'); // never "-0"
        return;
    }
    m_bytes.append(QByteArray::number(value, 'f', decimals < 0 ? QLocale::FloatingPointShortest
                                                               : decimals));
}

void ArchiveWriter::writeInteger(long long value)
{
    beginField();
    m_bytes.append(QByteArray::number(value));
}

void ArchiveWriter::writeOptionalInteger(int value)
{
    if (value == 0)
        writeEmpty();
    else
        writeInteger(value);
}

void ArchiveWriter::writeEmpty()
{
    beginField();
}

void ArchiveWriter::writeCell(const Cell &cell, int decimals)
{
    if (cell.isNumber())
        writeNumber(cell.toNumber(), decimals);
    else
        writeText(cell.toText());
}

void ArchiveWriter::endRecord()
{
    m_bytes.append("\r\n");
    m_inRecord = false;
}

bool ArchiveWriter::commit(const QString &path)
{
    if (!m_error.isEmpty())
        return false;
    return FileReplacement::replace(path, m_bytes, &m_error);
}

} // namespace veltra
