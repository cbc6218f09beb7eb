#pragma once

#include "core/platform/platform.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>

namespace veltra {

// The platform for tests: dialogs answer from queues filled by the test, and everything
// shown is recorded. A dialog with nothing queued answers No, Cancel or an empty name and
// counts as unscripted, so a test can tell an unexpected dialog from an expected one.
class ScriptedPlatform : public Platform
{
public:
    struct Message
    {
        MessageIcon icon;
        QString title;
        QString text;
        bool question;
        QStringList buttons;            // a choice question's buttons, in order
    };

    class RecordingPlayer : public SoundPlayer
    {
    public:
        void open(const QString &path) override { commands << QStringLiteral("open ") + path; }
        void play() override { commands << QStringLiteral("play"); }
        void pause() override { commands << QStringLiteral("pause"); }
        void close() override { commands << QStringLiteral("close"); }
        QStringList commands;
    };

    void showMessage(MessageIcon icon, const QString &title, const QString &text) override;
    bool askYesNo(MessageIcon icon, const QString &title, const QString &text,
                  bool defaultYes) override;
    int askChoice(MessageIcon icon, const QString &title, const QString &text,
                  const QStringList &buttons, int defaultButton) override;
    std::optional<unsigned int> chooseColour(unsigned int initial) override;
    SoundPlayer &soundPlayer() override { return player; }
    bool openDocument(const QString &path) override;
    QDate today() const override { return todayDate; }
    QString preference(const QString &key, const QString &fallback) const override
    {
        return preferences.value(key, fallback);
    }
    void setPreference(const QString &key, const QString &value) override
    {
        preferences.insert(key, value);
    }

    const Message &lastMessage() const { return messages.last(); }

    QQueue<bool> answers;               // Yes (true) or No for each question
    QQueue<int> choices;                // the button index chosen in each choice question
    QQueue<QString> fileNames;          // for open and save dialogs; empty = cancel
    QQueue<std::optional<unsigned int>> colours;
    bool documentsOpen = true;          // whether a word processor takes the documents

    QList<Message> messages;            // every message and question shown, in order
    QList<FileDialogRequest> dialogs;   // every file dialog shown, in order
    QList<unsigned int> colourRequests; // the preselected colour of each colour dialog
    QStringList documents;              // every document handed over
    int unscripted = 0;
    QDate todayDate = QDate(2026, 12, 9);
    RecordingPlayer player;
    QHash<QString, QString> preferences; // kept by the program, as if between sessions

protected:
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;

private:
    QString nextFileName(const FileDialogRequest &request);
};

} // namespace veltra
