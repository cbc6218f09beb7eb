#include "reports/document/documenthandover.h"

#include "core/platform/platform.h"
#include "reports/document/odtrenderer.h"
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

// Claims the first unused dated name by creating it empty, so that two hand-overs, even
// from two running copies, never write the same file.
QString DocumentHandover::reserveName()
{
    if (!QDir().mkpath(m_folder))
        return QString();
    const QString stem = QDir(m_folder).filePath(
        QStringLiteral("Veltra-") + m_platform.today().toString(QStringLiteral("yyyy-MM-dd")));
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString path = stem + QStringLiteral("-%1.odt").arg(number, 3, 10, QLatin1Char('0'));
        if (QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
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
    m_lastPath = reserveName();
    if (m_lastPath.isEmpty() || !OdtRenderer::write(document, m_lastPath)) {
        if (!m_lastPath.isEmpty())
            QFile::remove(m_lastPath);
        m_lastPath.clear();
        end(QStringLiteral("Non è stato possibile salvare il documento nella cartella %1.")
                .arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    if (!m_platform.openDocument(m_lastPath)) {
        end(QStringLiteral("Il documento è stato salvato in %1, ma nessun programma di "
                           "videoscrittura lo ha aperto.")
                .arg(QDir::toNativeSeparators(m_lastPath)));
        return false;
    }
    m_opened = true;
    end(QString());
    return true;
}

QString DocumentHandover::closingStatus(const QString &shownText) const
{
    if (m_lastPath.isEmpty())
        return QStringLiteral("il documento non è stato salvato");
    if (!m_opened)
        return QStringLiteral("ho salvato il documento in ") + QDir::toNativeSeparators(m_lastPath);
    const QString name = QFileInfo(m_lastPath).fileName();
    if (shownText.isEmpty())
        return QStringLiteral("ho visualizzato il documento ") + name;
    return shownText + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace veltra
