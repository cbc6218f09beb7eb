#include "officereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace veltra {

namespace {

constexpr int ConversionTimeout = 300000; // milliseconds: a first start builds the profile

} // namespace

OfficeReader::OfficeReader() = default;

bool OfficeReader::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

QStringList OfficeReader::convert(const QStringList &files, const QString &filter)
{
    // Same base names would overwrite each other in the output folder: one folder per call.
    static int call = 0;
    const QString outDir = m_output.filePath(QString::number(++call));
    QDir().mkpath(outDir);
    QStringList arguments = { QStringLiteral("-env:UserInstallation=")
                                  + QUrl::fromLocalFile(m_profile.path()).toString(),
                              QStringLiteral("--headless"), QStringLiteral("--norestore"),
                              QStringLiteral("--convert-to"), filter,
                              QStringLiteral("--outdir"), outDir };
    arguments += files;
    QProcess office;
    office.start(QStringLiteral("soffice"), arguments);
    office.waitForFinished(ConversionTimeout);

    const QString extension = filter.section(QLatin1Char(':'), 0, 0);
    QStringList converted;
    for (const QString &file : files) {
        const QString target = QDir(outDir).filePath(QFileInfo(file).completeBaseName()
                                                     + QLatin1Char('.') + extension);
        converted.append(QFileInfo::exists(target) ? target : QString());
    }
    return converted;
}

QStringList OfficeReader::texts(const QStringList &files)
{
    QStringList result;
    for (const QString &file : convert(files, QStringLiteral("txt:Text (encoded):UTF8"))) {
        QFile text(file);
        if (file.isEmpty() || !text.open(QIODevice::ReadOnly)) {
            result.append(QString());
            continue;
        }
        QString content = QString::fromUtf8(text.readAll());
        if (content.startsWith(QChar(0xFEFF)))
            content.remove(0, 1);
        content.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        result.append(content);
    }
    return result;
}

QList<int> OfficeReader::pageCounts(const QStringList &files)
{
    QList<int> counts;
    for (const QString &pdf : convert(files, QStringLiteral("pdf"))) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), { pdf });
        info.waitForFinished();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                                  .match(QString::fromUtf8(info.readAllStandardOutput()));
        counts.append(pdf.isEmpty() || !match.hasMatch() ? -1 : match.captured(1).toInt());
    }
    return counts;
}

} // namespace veltra
