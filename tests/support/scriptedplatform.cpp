#include "support/scriptedplatform.h"

namespace veltra {

void ScriptedPlatform::showMessage(MessageIcon icon, const QString &title, const QString &text)
{
    messages.append({icon, title, text, false, {}});
}

bool ScriptedPlatform::askYesNo(MessageIcon icon, const QString &title, const QString &text,
                                bool)
{
    messages.append({icon, title, text, true, {}});
    if (answers.isEmpty()) {
        ++unscripted;
        return false;
    }
    return answers.dequeue();
}

int ScriptedPlatform::askChoice(MessageIcon icon, const QString &title, const QString &text,
                                const QStringList &buttons, int)
{
    messages.append({icon, title, text, true, buttons});
    if (choices.isEmpty()) {
        ++unscripted;
        return int(buttons.size()) - 1;
    }
    return choices.dequeue();
}

std::optional<unsigned int> ScriptedPlatform::chooseColour(unsigned int initial)
{
    colourRequests.append(initial);
    if (colours.isEmpty()) {
        ++unscripted;
        return std::nullopt;
    }
    return colours.dequeue();
}

bool ScriptedPlatform::openDocument(const QString &path)
{
    documents.append(path);
    return documentsOpen;
}

QString ScriptedPlatform::askOpenFileName(const FileDialogRequest &request)
{
    return nextFileName(request);
}

QString ScriptedPlatform::askSaveFileName(const FileDialogRequest &request)
{
    return nextFileName(request);
}

QString ScriptedPlatform::nextFileName(const FileDialogRequest &request)
{
    dialogs.append(request);
    if (fileNames.isEmpty()) {
        ++unscripted;
        return QString();
    }
    return fileNames.dequeue();
}

} // namespace veltra
