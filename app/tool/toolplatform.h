#pragma once

#include "core/platform/platform.h"

#include <QString>

namespace veltra {

// The platform of veltra-tool, which has no one to ask: the open dialog chooses the file
// given on the command line, once; questions are answered No, messages go unseen (the
// commands write their own error line), nothing is played and no document is opened.
// Today is the computer's date.
class ToolPlatform : public Platform
{
public:
    explicit ToolPlatform(const QString &fileToOpen);

    void showMessage(MessageIcon icon, const QString &title, const QString &text) override;
    bool askYesNo(MessageIcon icon, const QString &title, const QString &text,
                  bool defaultYes) override;
    int askChoice(MessageIcon icon, const QString &title, const QString &text,
                  const QStringList &buttons, int defaultButton) override;
    std::optional<unsigned int> chooseColour(unsigned int initial) override;
    SoundPlayer &soundPlayer() override;
    bool openDocument(const QString &path) override;
    QDate today() const override;
    // The tool keeps nothing between runs: every preference is its fallback.
    QString preference(const QString &key, const QString &fallback) const override;
    void setPreference(const QString &, const QString &) override {}

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
    SilentPlayer m_player;
};

} // namespace veltra
