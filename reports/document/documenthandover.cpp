#include "reports/document/documenthandover.h"

#include "core/platform/platform.h"
#include "reports/document/documentformatchoice.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/ownerletterfiles.h"
#include "reports/document/pdfrenderer.h"
#include "reports/document/reportdocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace veltra {

namespace {

// More attempts than any user makes in a day; past them the folder is taken as unusable.
constexpr int MaxNumber = 99999;

} // namespace

DocumentHandover::DocumentHandover(Platform &platform, const QString &messageTitle,
                                   const QString &folder)
    : m_platform(platform)
    , m_messageTitle(messageTitle)
    , m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
}

QString DocumentHandover::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QLatin1String("/Veltra");
}

// Claims the first unused dated name ("Veltra-2026-12-09-004", with extension added) by
// creating it, so that two hand-overs, even from two running copies, never write the same
// file. A number taken by a document in either format or by a folder of letters is taken,
// so that the day's documents are numbered in the order they were printed.
QString DocumentHandover::reserveName(const QString &extension, bool asFolder)
{
    if (!QDir().mkpath(m_folder))
        return QString();
    const QString stem = QDir(m_folder).filePath(
        QStringLiteral("Veltra-") + m_platform.today().toString(QStringLiteral("yyyy-MM-dd")));
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString base = stem + QStringLiteral("-%1").arg(number, 3, 10, QLatin1Char('0'));
        if (QFileInfo::exists(base) || QFileInfo::exists(base + QStringLiteral(".odt"))
            || QFileInfo::exists(base + QStringLiteral(".pdf")))
            continue;
        const QString path = base + extension;
        if (asFolder ? QDir().mkdir(path)
                     : QFile(path).open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path))
            return QString();
    }
    return QString();
}

void DocumentHandover::setStatusLine(std::function<void(const QString &)> show,
                                     const QString &shownText)
{
    m_showStatus = std::move(show);
    m_shownText = shownText;
}

// The status line first, then the one sentence that says what went wrong, if anything did.
void DocumentHandover::end(const QString &failure)
{
    if (m_showStatus)
        m_showStatus(closingStatus(m_shownText));
    if (!failure.isEmpty())
        m_platform.showMessage(MessageIcon::Exclamation, m_messageTitle, failure);
}

bool DocumentHandover::handOver(const ReportDocument &document)
{
    m_opened = false;
    DocumentFormat format = DocumentFormatChoice::remembered(m_platform);
    const bool letters = format == DocumentFormat::PdfPerOwner && !document.ownerLetters().isEmpty();
    if (format == DocumentFormat::PdfPerOwner && !letters)
        format = DocumentFormat::Pdf;
    const bool written = letters ? writeLetters(document) : writeDocument(document, format);
    if (!written) {
        end(QStringLiteral("Non è stato possibile salvare il documento nella cartella %1.")
                .arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    if (!m_platform.openDocument(m_lastPath)) {
        const QString opener = letters ? QStringLiteral("nessun programma per le cartelle")
            : format == DocumentFormat::Odt ? QStringLiteral("nessun programma di videoscrittura")
                                            : QStringLiteral("nessun programma per i PDF");
        end(QStringLiteral("Il documento è stato salvato in %1, ma %2 lo ha aperto.")
                .arg(QDir::toNativeSeparators(m_lastPath), opener));
        return false;
    }
    m_opened = true;
    end(QString());
    return true;
}

bool DocumentHandover::writeDocument(const ReportDocument &document, DocumentFormat format)
{
    m_lastPath = reserveName(DocumentFormatChoice::extension(format), false);
    const bool written = !m_lastPath.isEmpty()
        && (format == DocumentFormat::Odt ? OdtRenderer::write(document, m_lastPath)
                                          : PdfRenderer::write(document, m_lastPath));
    if (!written) {
        if (!m_lastPath.isEmpty())
            QFile::remove(m_lastPath);
        m_lastPath.clear();
    }
    return written;
}

// The letters go to a folder of their own, opened for the user to mail them from; a run
// that breaks off leaves no folder with some of the owners only.
bool DocumentHandover::writeLetters(const ReportDocument &document)
{
    m_lastPath = reserveName(QString(), true);
    if (m_lastPath.isEmpty())
        return false;
    QString failed;
    OwnerLetterFiles::write(document, m_lastPath, &failed);
    if (failed.isEmpty())
        return true;
    QDir(m_lastPath).removeRecursively();
    m_lastPath.clear();
    return false;
}

QString DocumentHandover::closingStatus(const QString &shownText) const
{
    if (m_lastPath.isEmpty())
        return QStringLiteral("il documento non è stato salvato");
    const bool letters = QFileInfo(m_lastPath).isDir();
    if (!m_opened)
        return (letters ? QStringLiteral("ho salvato le lettere, una per condomino, nella cartella ")
                        : QStringLiteral("ho salvato il documento in "))
            + QDir::toNativeSeparators(m_lastPath);
    const QString name = QFileInfo(m_lastPath).fileName();
    if (shownText.isEmpty())
        return (letters ? QStringLiteral("ho aperto la cartella delle lettere ")
                        : QStringLiteral("ho visualizzato il documento "))
            + name;
    return shownText + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace veltra
