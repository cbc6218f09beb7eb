#include "ui/convocazione/convocazionewindow.h"

#include "core/assembly/noticearchive.h"
#include "core/assembly/noticecheck.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/assembly/meetingnoticeprintout.h"
#include "ui/convocazione/convocazioneform.h"
#include "ui/convocazione/convocazionetexts.h"
#include "ui/frame/archivedialogtexts.h"
#include "ui/frame/edithistory.h"
#include "ui/frame/editstep.h"
#include "ui/frame/rowsnapshot.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace veltra {

namespace {

// A field that already shows what it is given is left alone, so that showing the notice
// does not pass through the handling of typing.
void showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

} // namespace

ConvocazioneWindow::ConvocazioneWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 6, parent)
    , m_form(std::make_unique<ConvocazioneForm>(form()))
{
    keepEditHistory();
    connectControls();
    if (auto *own = findChild<QAction *>(QStringLiteral("finestra6"))) {
        own->setCheckable(true);
        own->setChecked(true);
        connect(own, &QAction::toggled, own, [own] { own->setChecked(true); });
    }
}

ConvocazioneWindow::~ConvocazioneWindow() = default;

int ConvocazioneWindow::topPoint() const
{
    return m_form->agendaBar->value();
}

int ConvocazioneWindow::copies() const
{
    return m_form->ncopie[2]->isChecked() ? 2 : 1;
}

// The notice date starts as the day's date, which the user may change.
void ConvocazioneWindow::initialise()
{
    m_notice.noticeDate = platform().today().toString(QStringLiteral("dd/MM/yyyy"));
    showNotice();
    showCondominiumName();
    setStepHint(ConvocazioneTexts::openingHint());
}

// The condominium may have changed while the window stood aside: an archive or an expense
// file opened in another window brings its own name.
bool ConvocazioneWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        showCondominiumName();
    return WorkWindow::event(event);
}

void ConvocazioneWindow::connectControls()
{
    ConvocazioneForm &f = *m_form;
    connect(f.oggett, &QComboBox::editTextChanged, this,
            [this](const QString &text) { subjectTyped(text); });
    connect(f.oggett, &QComboBox::activated, this, [this] { subjectChosen(); });
    connect(f.numer, &QLineEdit::textChanged, this, [this] { numberTyped(); });
    connectText(f.test, &MeetingNotice::openingText);
    connectText(f.dat1, &MeetingNotice::firstCallDate);
    connectText(f.or1, &MeetingNotice::firstCallHour);
    connectText(f.luog1, &MeetingNotice::firstCallPlace);
    connectText(f.dat2, &MeetingNotice::secondCallDate);
    connectText(f.or2, &MeetingNotice::secondCallHour);
    connectText(f.luog2, &MeetingNotice::secondCallPlace);
    connectText(f.discut, &MeetingNotice::agendaHeading);
    connectText(f.dat0, &MeetingNotice::noticeDate);
    connectText(f.notes, &MeetingNotice::notes);
    for (int r = 1; r <= ConvocazioneForm::Rows; ++r)
        connect(f.giorn[r], &QLineEdit::textChanged, this, [this, r] { agendaRowTyped(r); });
    connect(f.agendaBar, &QScrollBar::valueChanged, this, [this] { redrawAgendaRows(); });
    connect(f.cmdStampa, &QPushButton::clicked, this, [this] { printNotices(); });
}

void ConvocazioneWindow::connectText(QLineEdit *field, QString MeetingNotice::*text)
{
    connect(field, &QLineEdit::textChanged, this, [this, field, text](const QString &typed) {
        if (m_notice.*text == typed)
            return;
        const EditStep step(*this, field->objectName());
        m_notice.*text = typed;
        showStepHint();
    });
}

// --- typing ---

void ConvocazioneWindow::subjectTyped(const QString &text)
{
    if (m_notice.subject == text)
        return;
    const EditStep step(*this, QStringLiteral("oggett"));
    m_notice.subject = text;
    showStepHint();
}

// The notices go to the owners of the condominium, which must be loaded first.
void ConvocazioneWindow::subjectChosen()
{
    subjectTyped(m_form->oggett->currentText());
    if (state().condoName.isEmpty()) {
        tellUser(MessageIcon::Critical, state().texts.checkTitle,
                 ConvocazioneTexts::noCondominiumMessage());
        loadCondominium();
    }
    showStepHint();
}

// The number is printed after the subject on one line: a longer one is warned of at every
// keystroke, and kept as typed.
void ConvocazioneWindow::numberTyped()
{
    const QString text = m_form->numer->text();
    if (m_notice.number == text)
        return;
    const EditStep step(*this, QStringLiteral("numer"));
    m_notice.number = text;
    if (text.size() > ConvocazioneTexts::PrintLengthLimit)
        tellUser(MessageIcon::Exclamation, state().texts.checkTitle,
                 ConvocazioneTexts::lengthMessage());
    showStepHint();
}

void ConvocazioneWindow::agendaRowTyped(int r)
{
    const int j = topPoint() + r - 1;
    const QString text = m_form->giorn[r]->text();
    if (m_notice.agendaPointTyped(j) && m_notice.agendaPoint(j) == text)
        return;
    if (!m_notice.agendaPointTyped(j) && text.isEmpty())
        return;
    const EditStep step(*this, QStringLiteral("giorn %1").arg(j));
    m_notice.setAgendaPoint(j, text);
    showStepHint();
}

// --- showing ---

void ConvocazioneWindow::redrawAgendaRows()
{
    for (int r = 1; r <= ConvocazioneForm::Rows; ++r) {
        const int j = topPoint() + r - 1;
        m_form->nu[r]->setText(QString::number(j));
        showText(m_form->giorn[r], m_notice.agendaPoint(j));
    }
}

void ConvocazioneWindow::showNotice()
{
    ConvocazioneForm &f = *m_form;
    if (f.oggett->currentText() != m_notice.subject)
        f.oggett->setEditText(m_notice.subject);
    showText(f.numer, m_notice.number);
    showText(f.test, m_notice.openingText);
    showText(f.dat1, m_notice.firstCallDate);
    showText(f.or1, m_notice.firstCallHour);
    showText(f.luog1, m_notice.firstCallPlace);
    showText(f.dat2, m_notice.secondCallDate);
    showText(f.or2, m_notice.secondCallHour);
    showText(f.luog2, m_notice.secondCallPlace);
    showText(f.discut, m_notice.agendaHeading);
    showText(f.dat0, m_notice.noticeDate);
    showText(f.notes, m_notice.notes);
    {
        const QSignalBlocker blocker(f.agendaBar);
        f.agendaBar->setValue(1);
    }
    redrawAgendaRows();
}

void ConvocazioneWindow::showCondominiumName()
{
    m_form->nome->setText(state().condoName);
}

void ConvocazioneWindow::showStepHint()
{
    setStepHint(ConvocazioneTexts::stepHint(m_notice));
}

// --- commands ---

void ConvocazioneWindow::loadCondominium()
{
    shell().workWindow(1)->openArchive();
    showCondominiumName();
}

// The first "&Apri..." loads the condominium whose owners the notices go to; once its name
// is shown, "&Apri..." opens notice files.
void ConvocazioneWindow::openArchive()
{
    if (m_form->nome->text().isEmpty()) {
        loadCondominium();
        return;
    }
    openNoticeFile();
}

// A file that cannot be read whole changes nothing in the window.
void ConvocazioneWindow::openNoticeFile()
{
    if (!settleUnsavedChanges())
        return;
    FileDialogRequest request;
    request.title = ArchiveDialogTexts::openTitle();
    request.filter = ConvocazioneTexts::openDialogFilter();
    request.selectedFilter = 2;
    const QString path = platform().openFileName(request);
    if (path.isEmpty())
        return;
    const NoticeArchive::LoadResult result = NoticeArchive::load(path);
    if (!result.isComplete()) {
        tellUser(MessageIcon::Critical, state().texts.appTitle,
                 result.opened ? ConvocazioneTexts::unreadableFileMessage(path)
                               : ConvocazioneTexts::unopenableFileMessage(path, result.problem));
        return;
    }
    m_archiveName = path;
    m_fileGuard.remember(path);
    m_notice = result.notice;
    showNotice();
    showStepHint();
    editHistory()->restart();
}

void ConvocazioneWindow::saveArchive()
{
    saveNotice();
}

void ConvocazioneWindow::saveArchiveAs()
{
    const QString previousName = m_archiveName;
    m_archiveName.clear();
    if (!saveNotice(previousName))
        m_archiveName = previousName;
}

// A text the archive cannot carry back stops the save before any dialog; a failed write
// leaves the previous file as it was.
bool ConvocazioneWindow::saveNotice(const QString &ownName)
{
    if (const auto unwritable = NoticeArchive::firstUnwritableField(m_notice)) {
        tellUser(MessageIcon::Critical, state().texts.checkTitle,
                 ConvocazioneTexts::unwritableFieldMessage(unwritable->field, unwritable->reason));
        return false;
    }
    QString path = m_archiveName.isEmpty() ? chooseSaveName(ownName) : m_archiveName;
    path = m_fileGuard.confirmedPath(platform(), state().texts.appTitle, path,
                                     [this, &ownName] { return chooseSaveName(ownName); });
    if (path.isEmpty())
        return false;
    QString reason;
    if (!NoticeArchive::save(m_notice, path, &reason)) {
        tellUser(MessageIcon::Critical, state().texts.appTitle,
                 ArchiveDialogTexts::saveFailedMessage(path, reason));
        return false;
    }
    m_archiveName = path;
    Platform::enterFolderOf(path);
    editHistory()->markSaved();
    m_fileGuard.remember(path);
    return true;
}

QString ConvocazioneWindow::chooseSaveName(const QString &ownName)
{
    FileDialogRequest request;
    request.title = ArchiveDialogTexts::saveAsTitle();
    request.filter = ConvocazioneTexts::saveDialogFilter();
    request.selectedFilter = 1;
    return chooseArchiveSaveName(request, ownName);
}

void ConvocazioneWindow::checkData()
{
    const NoticeCheck::Finding finding = NoticeCheck::check(m_notice);
    tellUser(finding.passed ? MessageIcon::Information : MessageIcon::Exclamation,
             state().texts.checkTitle, finding.text);
}

// The condominium, the notice file and the copies choice stay.
void ConvocazioneWindow::clearWindow()
{
    m_notice.clear();
    showNotice();
    showStepHint();
}

void ConvocazioneWindow::showInstructions()
{
    tellUser(MessageIcon::Information, state().texts.helpTitle, ConvocazioneTexts::instructions());
}

void ConvocazioneWindow::tellUser(MessageIcon icon, const QString &title, const QString &text)
{
    platform().showMessage(icon, title, text);
}

// --- edit history ---

// The header holds the notice's twelve texts; row j agenda point j, with whether it was
// ever typed, which the archive tells apart from an emptied point.
QStringList ConvocazioneWindow::editHeader() const
{
    QStringList header;
    for (const QString MeetingNotice::*text : noticeTexts())
        header.append(m_notice.*text);
    return header;
}

int ConvocazioneWindow::editRowCount() const
{
    return MeetingNotice::AgendaPoints + 1;
}

QStringList ConvocazioneWindow::editRow(int j) const
{
    if (!m_notice.agendaPointTyped(j))
        return {};
    return {m_notice.agendaPoint(j)};
}

void ConvocazioneWindow::restoreEdits(const RowSnapshot &to, const RowSnapshot &from)
{
    int k = 0;
    for (QString MeetingNotice::*text : noticeTexts())
        m_notice.*text = to.header.value(k++);
    const QList<int> changed = RowSnapshot::changedRows(to, from);
    for (int j : changed) {
        if (to.row(j).isEmpty())
            m_notice.forgetAgendaPoint(j);
        else
            m_notice.setAgendaPoint(j, to.row(j).first());
    }
    showNotice();
    // The agenda point put back is brought into view.
    if (!changed.isEmpty() && changed.first() > ConvocazioneForm::Rows)
        m_form->agendaBar->setValue(changed.first());
    showStepHint();
}

QList<QString MeetingNotice::*> ConvocazioneWindow::noticeTexts()
{
    return {&MeetingNotice::subject,         &MeetingNotice::number,
            &MeetingNotice::openingText,     &MeetingNotice::firstCallDate,
            &MeetingNotice::firstCallHour,   &MeetingNotice::firstCallPlace,
            &MeetingNotice::secondCallDate,  &MeetingNotice::secondCallHour,
            &MeetingNotice::secondCallPlace, &MeetingNotice::agendaHeading,
            &MeetingNotice::noticeDate,      &MeetingNotice::notes};
}

// --- printout ---

void ConvocazioneWindow::printMain()
{
    printNotices();
}

// With no owners there is no one to call: the user is told, rather than handed an empty
// document. A notice the check finds fault with is printed only on the user's word.
void ConvocazioneWindow::printNotices()
{
    if (const auto refusal = MeetingNoticePrintout::refusal(state())) {
        tellUser(MessageIcon::Exclamation, state().texts.checkTitle, *refusal);
        return;
    }
    if (!clearedForPrinting(NoticeCheck::printClearance(m_notice)))
        return;
    setStepHint(MeetingNoticePrintout::openingStatus());
    const ReportDocument document = MeetingNoticePrintout::build(state(), m_notice, copies());
    handOverDocument(document, MeetingNoticePrintout::closingStatus());
}

} // namespace veltra
