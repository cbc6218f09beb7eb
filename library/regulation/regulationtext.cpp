#include "library/regulation/regulationtext.h"

#include "library/datafile/datafile.h"

#include <QRegularExpression>
#include <QStringList>

namespace veltra {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The error of the first article line out of sequence ("Art. 1" … numbered through the
// whole text), empty when all follow in order.
QString articleSequenceError(const QStringList &lines, int firstLine)
{
    static const QRegularExpression article(QStringLiteral("^Art\\. (\\d+)\\s*$"));
    int expected = 1;
    for (int i = firstLine; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = article.match(lines.at(i));
        if (!match.hasMatch())
            continue;
        if (match.captured(1).toInt() != expected)
            return DataFile::refusal(RegulationText::fileName(), i + 1,
                                     QStringLiteral("atteso \"Art. %1\"").arg(expected));
        ++expected;
    }
    if (expected == 1)
        return DataFile::refusal(RegulationText::fileName(),
                                 QStringLiteral("nessun articolo (\"Art. 1\")"));
    return QString();
}

} // namespace

RegulationText RegulationText::refused(const QString &error)
{
    RegulationText regulation;
    regulation.m_error = error;
    return regulation;
}

RegulationText RegulationText::load(const QString &path)
{
    QString error;
    const std::optional<QByteArray> bytes = DataFile::read(path, &error);
    return bytes ? parse(*bytes) : refused(error);
}

RegulationText RegulationText::parse(const QByteArray &bytes)
{
    QString error;
    std::optional<QStringList> lines = DataFile::lines(bytes, fileName(), &error);
    if (!lines)
        return refused(error);
    const int first = DataFile::headerLength(*lines);
    if (first == lines->size() || lines->at(first) != titleLine())
        return refused(DataFile::refusal(fileName(), first + 1,
                                         QStringLiteral("il testo deve aprirsi con \"")
                                             + titleLine() + QLatin1Char('"')));
    const QString sequence = articleSequenceError(*lines, first);
    if (!sequence.isEmpty())
        return refused(sequence);
    while (lines->last().trimmed().isEmpty())
        lines->removeLast();
    RegulationText regulation;
    regulation.m_text = lines->mid(first).join(CrLf);
    return regulation;
}

} // namespace veltra
