#include "library/templates/templatelibrary.h"

#include "library/datafile/datafile.h"

#include <QRegularExpression>

namespace veltra {

namespace {

const QString HeaderStart = QStringLiteral("[modello ");

QString textOf(QStringList lines)
{
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

QString refusalAt(int line, const QString &what)
{
    return DataFile::refusal(TemplateLibrary::fileName(), line, what);
}

} // namespace

TemplateLibrary TemplateLibrary::refused(const QString &error)
{
    TemplateLibrary library;
    library.m_error = error;
    return library;
}

TemplateLibrary TemplateLibrary::load(const QString &path)
{
    QString error;
    const std::optional<QByteArray> bytes = DataFile::read(path, &error);
    return bytes ? parse(*bytes) : refused(error);
}

TemplateLibrary TemplateLibrary::parse(const QByteArray &bytes)
{
    static const QRegularExpression header(QStringLiteral("^\\[modello (\\d+)\\] (.*)$"));
    QString error;
    const std::optional<QStringList> lines = DataFile::lines(bytes, fileName(), &error);
    if (!lines)
        return refused(error);

    TemplateLibrary library;
    QStringList body;
    int headerLine = 0;
    // Closes the template opened at headerLine with the lines gathered since.
    auto close = [&]() {
        const QString text = textOf(body);
        body.clear();
        if (text.isEmpty())
            return refusalAt(headerLine, QStringLiteral("il modello %1 non ha testo")
                                             .arg(library.m_titles.size()));
        library.m_texts << text;
        return QString();
    };

    for (int i = DataFile::headerLength(*lines); i < lines->size(); ++i) {
        const QString &line = lines->at(i);
        if (!line.startsWith(HeaderStart)) {
            if (headerLine == 0 && !line.trimmed().isEmpty())
                return refused(refusalAt(i + 1, QStringLiteral("atteso \"[modello 1] titolo\"")));
            body << line;
            continue;
        }
        const QRegularExpressionMatch match = header.match(line);
        const int expected = library.m_titles.size() + 1;
        if (!match.hasMatch())
            return refused(refusalAt(i + 1, QStringLiteral("intestazione non valida, attesa "
                                                           "\"[modello N] titolo\"")));
        if (match.captured(1) != QString::number(expected))
            return refused(refusalAt(i + 1, QStringLiteral("atteso il modello %1").arg(expected)));
        if (match.captured(2).trimmed().isEmpty())
            return refused(refusalAt(i + 1, QStringLiteral("il modello %1 non ha titolo")
                                                .arg(expected)));
        if (headerLine != 0) {
            const QString closing = close();
            if (!closing.isEmpty())
                return refused(closing);
        }
        if (expected > TemplateCount)
            return refused(refusalAt(i + 1, QStringLiteral("i modelli devono essere %1")
                                                .arg(TemplateCount)));
        library.m_titles << match.captured(2).trimmed();
        headerLine = i + 1;
    }
    if (headerLine != 0) {
        const QString closing = close();
        if (!closing.isEmpty())
            return refused(closing);
    }
    if (library.m_titles.size() != TemplateCount)
        return refused(DataFile::refusal(fileName(), QStringLiteral("i modelli sono %1 invece di %2")
                                                         .arg(library.m_titles.size())
                                                         .arg(TemplateCount)));
    return library;
}

QString TemplateLibrary::title(int n) const
{
    return n >= 1 && n <= m_titles.size() ? m_titles.at(n - 1) : QString();
}

QString TemplateLibrary::text(int n) const
{
    return n >= 1 && n <= m_texts.size() ? m_texts.at(n - 1) : QString();
}

} // namespace veltra
