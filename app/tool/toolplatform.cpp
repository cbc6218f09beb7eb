#include "toolplatform.h"

namespace veltra {

ToolPlatform::ToolPlatform(const QString &fileToOpen)
    : m_fileToOpen(fileToOpen)
{
}

void ToolPlatform::showMessage(MessageIcon, const QString &, const QString &)
{
}

bool ToolPlatform::askYesNo(MessageIcon, const QString &, const QString &, bool)
{
    return false;
}

// Nobody is there to choose: the last button, which changes nothing.
int ToolPlatform::askChoice(MessageIcon, const QString &, const QString &,
                            const QStringList &buttons, int)
{
    return int(buttons.size()) - 1;
}

std::optional<unsigned int> ToolPlatform::chooseColour(unsigned int)
{
    return std::nullopt;
}

SoundPlayer &ToolPlatform::soundPlayer()
{
    return m_player;
}

bool ToolPlatform::openDocument(const QString &)
{
    return false;
}

QString ToolPlatform::preference(const QString &, const QString &fallback) const
{
    return fallback;
}

QDate ToolPlatform::today() const
{
    return QDate::currentDate();
}

// The first dialog takes the file of the command line; a second one (the name did not end
// with "1") is cancelled, so that the tool never loops.
QString ToolPlatform::askOpenFileName(const FileDialogRequest &)
{
    const QString chosen = m_fileToOpen;
    m_fileToOpen.clear();
    return chosen;
}

QString ToolPlatform::askSaveFileName(const FileDialogRequest &)
{
    return QString();
}

} // namespace veltra
