#pragma once

#include "core/platform/platform.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>

namespace veltra {

// The splash tune through Qt Multimedia. A missing file, an unplayable format or no audio
// device leave it silent: the player only reports an error, which nobody is shown.
class QtSoundPlayer : public SoundPlayer
{
public:
    QtSoundPlayer();
    void open(const QString &path) override;
    void play() override;
    void pause() override;
    void close() override;

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
};

// The platform services on Qt's own dialogs and the desktop's file associations.
class QtPlatform : public Platform
{
public:
    // Qt's own Italian texts for its dialogs ("Sì", "Annulla", "Apri"), from the
    // translations installed with Qt; false when they are missing, and the dialogs stay in
    // English.
    static bool installItalianTranslations(QCoreApplication &application);
    // The program speaks Italian whatever the system's locale: Italian numbers (decimal
    // comma), dates and month names in every widget and in Qt's dialogs, and the dialogs'
    // own texts; false when the translations are missing.
    static bool installItalianLocale(QCoreApplication &application);

    void showMessage(MessageIcon icon, const QString &title, const QString &text) override;
    bool askYesNo(MessageIcon icon, const QString &title, const QString &text,
                  bool defaultYes) override;
    int askChoice(MessageIcon icon, const QString &title, const QString &text,
                  const QStringList &buttons, int defaultButton) override;
    std::optional<unsigned int> chooseColour(unsigned int initial) override;
    SoundPlayer &soundPlayer() override { return m_player; }
    // False when the open request fails or the desktop has no program for the file's type.
    bool openDocument(const QString &path) override;
    QDate today() const override;
    // Kept in Veltra/Veltra.ini in the user's configuration folder.
    QString preference(const QString &key, const QString &fallback) const override;
    void setPreference(const QString &key, const QString &value) override;

    // Whether the desktop names a program that opens files of the type of path: Qt reports
    // an open request as done once xdg-open starts, even when nothing is registered for the
    // type and nothing opens. True where the desktop cannot be asked (no xdg-mime).
    static bool hasApplicationFor(const QString &path);

protected:
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;

private:
    QtSoundPlayer m_player;
};

} // namespace veltra
