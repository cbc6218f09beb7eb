#pragma once

#include "core/platform/platform.h"

#include <QString>

namespace veltra {

// The platform of veltra-tool, which has no one to ask: the open dialog chooses the file
// given on the command line, once; questions are answered No, messages are kept for the
// error line, nothing is played and no document is opened. Today is the computer's date.
class ToolPlatform : public Platform
{
public:
    explicit ToolPlatform(const QString &fileToOpen);

    void showMessage(MessageIcon icon, const QString &title, const QString &text) override;
    bool askYesNo(MessageIcon icon, const QString &title, const QString &text,
                  bool defaultYes) override;
    std::optional<unsigned int> chooseColour(unsigned int initial) override;
    SoundPlayer &soundPlayer() override;
    bool openDocument(const QString &path) override;
    QDate today() const override;

    // The text of the last message shown, empty when none.
    QString lastMessage() const { return m_lastMessage; }

protected:
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;

private:
    class SilentPlayer : public SoundPlayer
    {
    public:
        void open(const QString &) override {}
        void play() override {}
        void pause() override {}
        void close() override {}
    };

    QString m_fileToOpen;
    QString m_lastMessage;
    SilentPlayer m_player;
};

} // namespace veltra
