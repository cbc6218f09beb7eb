#pragma once

#include "core/expenses/managementtype.h"

#include <QString>

#include <optional>

namespace veltra {

class Platform;
class SharedState;

// The series of item files the expense window works on, with the window's file state:
// the management type, the current file name and the reopen request. Items are found by
// their built names in the folder of the current file (the folder where the user picked
// the first file); the year in the names is that of item 1's date when reading and
// counting, that of the saved item's own date when saving.
class ExpenseSeries
{
public:
    enum class OpenOutcome {
        Opened,        // item k is in the shared state
        NoType,        // no management type: noTypeMessage() was shown
        Cancelled,     // the open dialog was cancelled
        NothingToOpen, // no current file and k >= 2, or item 1's date gives no year
        Missing,       // no file of that name (a new item): the state is untouched
        Unreadable     // a file that is there but not read whole: the state is untouched
    };

    struct OpenResult
    {
        OpenOutcome outcome = OpenOutcome::NothingToOpen;
        QString fileName;   // the file tried, when any
        int failedLine = 0; // for Unreadable: the first line not read, 0 when not opened
        QString problem;    // for Unreadable: the message to show, naming file and cause
    };

    struct CountResult
    {
        bool named = false;           // false: no type, or item 1's date gives no year
        int lastExisting = 0;         // the number of consecutive files 1, 2, ... found
        std::optional<int> firstFree; // the first item number without a file; none at 200
    };

    explicit ExpenseSeries(SharedState &state);

    ManagementType type() const { return m_type; }
    void setType(ManagementType type) { m_type = type; }

    // The file last chosen, opened, saved or tried (with its folder); empty at start.
    QString currentFileName() const { return m_currentFileName; }
    void setCurrentFileName(const QString &fileName) { m_currentFileName = fileName; }

    // Set by the export command: the next open reads the current file's series by its
    // built name without the dialog.
    bool reopenRequested() const { return m_reopenRequested; }
    void requestReopen() { m_reopenRequested = true; }

    // Forgets the type, the current file and the reopen request ("Cancella dati finestra").
    void clear();

    // The path of item k of the current series with item 1's year; nothing when no type is
    // chosen or item 1's date gives no year.
    std::optional<QString> nameOf(int k) const;
    // The path under which item k is saved (its own date's year); nothing as above.
    std::optional<QString> saveNameOf(int k) const;
    // The folder of the series: that of the current file, else the current working folder.
    QString folder() const;

    // The first file of a series picked in the open dialog, asked again with notFirstMessage
    // (critical, titled checkTitle) while the chosen name does not end with "1"; empty when
    // the dialog is cancelled.
    QString chooseFirstFile(Platform &platform, const QString &notFirstMessage) const;

    // Opens item k into the shared state: the open dialog (through platform) when no file
    // is current and k is 1, asking again while the chosen name does not end with "1".
    OpenResult open(int k, Platform &platform);

    // Why item k cannot be saved (no type, a date that is no day of the calendar, for the
    // expenses a payment or reminder date that is none, a text the file cannot
    // carry, a condominium name that cannot be part of a file name), as the Italian message
    // to show titled checkTitle; nothing when it can. The window's data check comes first.
    std::optional<QString> saveRefusal(int k) const;
    // Writes item k under saveNameOf(k) and makes it the current file; false, with the
    // message in *error, when refused or not written (the previous file stays whole).
    bool save(int k, QString *error = nullptr);

    // Counts the consecutive files 1..200 of the series; every name tried becomes the
    // current file name. Nothing is found when item 1's date gives no year.
    CountResult count();

    // "&Elimina...": the dialog titled deleteDialogTitle, then the chosen file is deleted
    // without question, with the heat-meter readings file beside it when there is one;
    // false when cancelled or not deleted.
    bool deleteFile(Platform &platform) const;

    // The messages the window shows, titled checkTitle, with the critical icon.
    static QString noTypeMessage();
    static QString notFirstFileMessage();
    // Copy to end on a series that already holds 200 items.
    static QString seriesFullMessage();

private:
    std::optional<QString> pathOf(int k, const QString &date) const;

    SharedState &m_state;
    ManagementType m_type = ManagementType::None;
    QString m_currentFileName;
    bool m_reopenRequested = false;
};

} // namespace veltra
