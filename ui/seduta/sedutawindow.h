#pragma once

#include "core/meeting/meeting.h"
#include "core/meeting/meetingcsv.h"
#include "core/platform/platform.h"
#include "library/assembly/majoritytable.h"
#include "ui/frame/workwindow.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

namespace veltra {

class DecretiWindow;

// The meeting window `seduta`: the assembly as it is held. The attendance of every owner
// (absent, present, by delegate with the proxy shown), arrivals and departures counted from
// an agenda point, each point's matter of the majorities table and every attendee's vote,
// with "tutti favorevoli" to enter all in favour and then the exceptions; the quorum, the
// proxies beyond the limits and the point's result are shown after every change. It keeps
// the meeting in its own file, reads the attendance and votes collected on paper, prints
// the minutes and the attendance sheet and transcribes the minutes into the register. Its
// "Decreti del giudice..." opens the court decrees on the administrator, kept beside the
// register for the register of appointments and revocations.
class SedutaWindow : public WorkWindow
{
    Q_OBJECT

public:
    static constexpr int Number = 11;

    explicit SedutaWindow(Shell &shell, QWidget *parent = nullptr);

    const Meeting &meeting() const { return m_meeting; }
    // The agenda point shown, from 1; 0 when the meeting has none.
    int currentPoint() const;
    // The meeting file last opened or saved; empty until then.
    QString archiveName() const { return m_archiveName; }

    // Starts a meeting on the notice: its agenda, its date and its first call's place.
    void takeNotice();
    // Every entitled attendee of the point shown votes in favour; the exceptions follow.
    void allInFavour();
    // The owner of the attendance row selected enters (or leaves) from the point shown.
    void recordMovement(bool arrives);
    // Reads the attendance and the votes collected on paper (CSV) into the meeting.
    void readAttendanceCsv();
    void readVotesCsv();
    // Appends the minutes to the condominium's register of minutes, beside the meeting file.
    void transcribeMinutes();
    // Opens the court decrees of the condominium, beside the meeting file or, before it is
    // saved, beside the condominium archive.
    void showDecrees();
    // The window of the decrees, hidden until opened.
    DecretiWindow *decretiWindow() const { return m_decreti; }

    void openArchive() override;
    void saveArchive() override;
    // The meeting differs from what was last opened, saved or emptied.
    bool hasUnsavedChanges() const override;
    void saveArchiveAs() override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;

protected:
    void initialise() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeading();
    void buildAttendance();
    void buildPoint();
    void buildFigures();
    void addPrintEntries();
    void connectHeading();
    void showMeeting();
    void showAttendance();
    void showPoint();
    void showFigures();
    void attendanceEdited(int row, int column);
    void voteChosen(int owner, int index);
    void storePointTexts();
    void entitledTyped();
    bool saveMeeting(const QString &path);
    bool meetingChanged() const;
    QString decreesFolder() const;
    void tellUser(MessageIcon icon, const QString &text);
    QString chooseCsv(const QString &title);
    void readCsv(const QString &title, const std::function<MeetingCsv::Result(const QByteArray &)> &reader);

    const MajorityTable::Reading &m_table;
    Meeting m_meeting;
    QString m_archiveName;
    QByteArray m_savedBytes; // the meeting's file as last opened, saved or emptied
    void markSaved();
    bool m_showing = false; // the fields are being filled from the meeting, not typed
    DecretiWindow *m_decreti;

    QLineEdit *m_date = nullptr;
    QComboBox *m_call = nullptr;
    QLineEdit *m_place = nullptr;
    QCheckBox *m_video = nullptr;
    QLineEdit *m_chair = nullptr;
    QLineEdit *m_secretary = nullptr;
    QLineEdit *m_opening = nullptr;
    QLineEdit *m_closing = nullptr;
    QTableWidget *m_attendance = nullptr;
    QLineEdit *m_time = nullptr;
    QSpinBox *m_point = nullptr;
    QLineEdit *m_pointText = nullptr;
    QLineEdit *m_entitled = nullptr;
    QComboBox *m_matter = nullptr;
    QTableWidget *m_votes = nullptr;
    QPlainTextEdit *m_discussion = nullptr;
    QLabel *m_quorum = nullptr;
    QLabel *m_result = nullptr;
};

} // namespace veltra
