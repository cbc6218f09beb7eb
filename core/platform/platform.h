#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

enum class MessageIcon { None, Critical, Exclamation, Question, Information };

// An open or save dialog as the windows describe it: the filter is a list of
// description|pattern pairs ("Tutti i file (*.*)|*.*|File Veltra-dati- | Veltra-dati-*"),
// selectedFilter counts the pairs from 1.
struct FileDialogRequest
{
    QString title;
    QString filter;
    int selectedFilter = 1;
    QString proposedName;
};

// The tune player of the splash window: the four commands of a media control.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void open(const QString &path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void close() = 0;
};

// Every modal or outside service the windows use. The application runs on Qt's dialogs;
// tests answer from a script and read back what was shown.
class Platform
{
public:
    virtual ~Platform() = default;

    // A message with the OK button.
    virtual void showMessage(MessageIcon icon, const QString &title, const QString &text) = 0;
    // A Yes/No question; true for Yes. defaultYes chooses the default button.
    virtual bool askYesNo(MessageIcon icon, const QString &title, const QString &text,
                          bool defaultYes) = 0;
    // A question answered by one of buttons, captions in order ("Salva", "Non salva",
    // "Annulla"); the index of the button chosen. defaultButton is pressed by Enter; closing
    // the box chooses the last button, which is therefore the one that changes nothing.
    virtual int askChoice(MessageIcon icon, const QString &title, const QString &text,
                          const QStringList &buttons, int defaultButton) = 0;

    // The file chosen in an open dialog, or an empty text when cancelled. A chosen file's
    // folder becomes the current working folder, where the expense series is looked for.
    QString openFileName(const FileDialogRequest &request);
    // The file chosen in a save dialog, or an empty text when cancelled. The working folder
    // moves only once the file is written (enterFolderOf), so a failed save leaves it.
    QString saveFileName(const FileDialogRequest &request);
    static void enterFolderOf(const QString &fileName);

    // The colour chosen (0xRRGGBB) with initial preselected, or nothing when cancelled.
    virtual std::optional<unsigned int> chooseColour(unsigned int initial) = 0;

    virtual SoundPlayer &soundPlayer() = 0;

    // Hands a finished document to the user's word processor; false when nothing opened it.
    virtual bool openDocument(const QString &path) = 0;

    virtual QDate today() const = 0;

    // A choice the user made once and the program keeps for him between sessions, in his
    // configuration folder; fallback while he has made none.
    virtual QString preference(const QString &key, const QString &fallback) const = 0;
    virtual void setPreference(const QString &key, const QString &value) = 0;

protected:
    virtual QString askOpenFileName(const FileDialogRequest &request) = 0;
    virtual QString askSaveFileName(const FileDialogRequest &request) = 0;
};

} // namespace veltra
