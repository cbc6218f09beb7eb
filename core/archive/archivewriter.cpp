#include "core/archive/archivewriter.h"

#include "core/state/cell.h"
#include "core/archive/filereplacement.h"
#include "core/archive/windows1252.h"

#include <QLocale>

#include <cmath>

namespace veltra {

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
