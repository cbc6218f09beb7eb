#pragma once

#include "core/assembly/meetingnotice.h"
#include "core/platform/platform.h"
#include "ui/frame/archivefileguard.h"
#include "ui/frame/workwindow.h"

#include <memory>

class QLineEdit;

namespace veltra {

class ConvocazioneForm;

// The meeting-notice window `convocazione`: the notice that calls the owners of the current
// condominium to their assembly, with its subject, number, opening text, the two calls,
// the agenda of up to twenty points shown five at a time, the notice date and the notes.
// The window owns the notice: every edit is stored into it at once and the step hint is
// refreshed. It prints one notice with its proxy form per owner, and keeps notices in
// archive files of their own.
class ConvocazioneWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit ConvocazioneWindow(Shell &shell, QWidget *parent = nullptr);
    ~ConvocazioneWindow() override;

    const MeetingNotice &notice() const { return m_notice; }
    // The notice file last opened or saved; empty until then.
    QString archiveName() const { return m_archiveName; }
    // The first agenda point shown, 1 to 16.
    int topPoint() const;
    // 1 for "singola", 2 for a copy for the owner and one for the receipt.
    int copies() const;

    void openArchive() override;
    void saveArchive() override;
    void saveArchiveAs() override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;
    QStringList editHeader() const override;
    int editRowCount() const override;
    QStringList editRow(int n) const override;
    void restoreEdits(const RowSnapshot &to, const RowSnapshot &from) override;

    void printNotices();
    void showStepHint();

protected:
    void initialise() override;
    bool event(QEvent *event) override;

private:
    void connectControls();
    void connectText(QLineEdit *field, QString MeetingNotice::*text);
    void subjectTyped(const QString &text);
    void subjectChosen();
    void numberTyped();
    void agendaRowTyped(int r);
    void redrawAgendaRows();
    void showNotice();
    void showCondominiumName();
    void loadCondominium();
    void openNoticeFile();
    // Writes the notice, asking for its name when there is none; the dialog proposes
    // ownName, the file the notice came from, or a name made from the condominium's.
    bool saveNotice(const QString &ownName = QString());
    QString chooseSaveName(const QString &ownName);
    void tellUser(MessageIcon icon, const QString &title, const QString &text);
    // The notice's texts in the order the history keeps them.
    static QList<QString MeetingNotice::*> noticeTexts();

    std::unique_ptr<ConvocazioneForm> m_form;
    MeetingNotice m_notice;
    QString m_archiveName;
    ArchiveFileGuard m_fileGuard;
};

} // namespace veltra
