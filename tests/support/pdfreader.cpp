#include "pdfreader.h"

#include <QProcess>
#include <QStandardPaths>

namespace veltra {

namespace {

constexpr int Timeout = 60000; // milliseconds

// The standard output of a poppler tool run on file, empty when it failed.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(Timeout) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool PdfReader::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty();
}

QStringList PdfReader::pageTexts(const QString &file)
{
    const QString text = popplerOutput(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                        QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    // pdftotext ends every page with a form feed.
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

bool PdfReader::fontsEmbedded(const QString &file)
{
    // Two heading lines, then one line per font whose fifth word from the end, under
    // "emb", is "yes" or "no" (the type before it may have blanks of its own).
    const QStringList lines = popplerOutput(QStringLiteral("pdffonts"), {file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 3)
        return false;
    for (const QString &line : lines.mid(2)) {
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() < 5 || columns[columns.size() - 5] != QLatin1String("yes"))
            return false;
    }
    return true;
}

} // namespace veltra
