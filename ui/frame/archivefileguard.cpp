#include "ui/frame/archivefileguard.h"

#include "core/platform/platform.h"
#include "ui/frame/archivedialogtexts.h"

namespace veltra {

namespace {

enum Choice { Overwrite, SaveAs, Cancel };

} // namespace

void ArchiveFileGuard::remember(const QString &path)
{
    m_path = path;
    m_stamp = FileStamp::of(path);
}

void ArchiveFileGuard::forget()
{
    m_path.clear();
    m_stamp.reset();
}

QString ArchiveFileGuard::confirmedPath(Platform &platform, const QString &title,
                                        const QString &path,
                                        const std::function<QString()> &chooseName) const
{
    // A file removed meanwhile is simply written again: nothing of another program is lost.
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (path != m_path || !m_stamp || !now || *now == *m_stamp)
        return path;
    QStringList buttons = ArchiveDialogTexts::changedElsewhereButtons();
    if (!chooseName)
        buttons.removeAt(SaveAs);
    const int choice = platform.askChoice(MessageIcon::Exclamation, title,
                                          ArchiveDialogTexts::changedElsewhereQuestion(path),
                                          buttons, buttons.size() - 1);
    if (choice == Overwrite)
        return path;
    if (chooseName && choice == SaveAs)
        return chooseName();
    return QString();
}

} // namespace veltra
