#include "library/datafile/datafile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace veltra {

std::optional<QStringList> DataFile::lines(const QByteArray &bytes, const QString &fileName,
                                           QString *error)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *error = refusal(fileName, QStringLiteral("il testo non è in codifica UTF-8"));
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList result = text.split(QLatin1Char('\n'));
    if (result.last().isEmpty())
        result.removeLast();
    // A line ends at its LF; the CRs before it belong to the line end, never to the text.
    for (QString &line : result) {
        while (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return result;
}

std::optional<QByteArray> DataFile::read(const QString &path, QString *error)
{
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = refusal(fileName, QStringLiteral("il file manca o non si può aprire"));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (!cutAtClosingLine(bytes)) {
        *error = refusal(fileName, QStringLiteral("il file è incompleto, manca l'ultima riga \"")
                                       + QString::fromLatin1(ClosingLine) + QLatin1Char('"'));
        return std::nullopt;
    }
    return bytes;
}

bool DataFile::cutAtClosingLine(QByteArray &bytes)
{
    QByteArray text = bytes;
    while (!text.isEmpty() && (text.endsWith('\n') || text.endsWith('\r') || text.endsWith(' ')))
        text.chop(1);
    if (!text.endsWith(ClosingLine))
        return false;
    text.chop(qsizetype(qstrlen(ClosingLine)));
    if (!text.isEmpty() && !text.endsWith('\n'))
        return false;
    bytes = text;
    return true;
}

QString DataFile::refusal(const QString &fileName, const QString &what)
{
    return QStringLiteral("Il file ") + fileName + QStringLiteral(" non è leggibile: ") + what
        + QLatin1Char('.');
}

QString DataFile::refusal(const QString &fileName, int line, const QString &what)
{
    return refusal(fileName, QStringLiteral("riga %1: ").arg(line) + what);
}

int DataFile::headerLength(const QStringList &lines)
{
    int count = 0;
    while (count < lines.size() && lines.at(count).startsWith(QLatin1Char('#')))
        ++count;
    return count;
}

} // namespace veltra
