#include "ui/seduta/sedutawindow.h"

#include "core/assembly/noticecheck.h"
#include "core/meeting/decreefile.h"
#include "core/meeting/entitledowners.h"
#include "core/meeting/meetingcsv.h"
#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingfile.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/minutesregister.h"
#include "core/meeting/proxycheck.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/meeting/attendancesheetprintout.h"
#include "reports/meeting/minutesprintout.h"
#include "reports/meeting/registerprintouts.h"
#include "reports/document/printstatus.h"
#include "ui/convocazione/convocazionewindow.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/archivedialogtexts.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/shell.h"
#include "ui/frame/windowplacement.h"
#include "ui/seduta/decretiwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace veltra {

namespace {

constexpr int DatiNumber = 1;
constexpr int ConvocazioneNumber = 6;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString TimeFormat = QStringLiteral("HH:mm");
const QStringList PresenceNames = {QStringLiteral("assente"), QStringLiteral("presente"),
                                   QStringLiteral("per delega")};
const QStringList VoteNames = {QStringLiteral("non vota"), QStringLiteral("favorevole"),
                               QStringLiteral("contrario"), QStringLiteral("astenuto")};
enum AttendanceColumn { OwnerColumn, MillesimiColumn, PresenceColumn, DelegateColumn, ProxyColumn };

const QString MeetingFilter = QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-seduta- | Veltra-seduta-*");
const QString IdleHint = QStringLiteral("segnare le presenze e le deleghe, poi per ogni punto la materia e i voti");

QString instructions()
{
    return QStringLiteral(
        "La finestra segue l'assemblea mentre si svolge:\n"
        "- 'avviso' prende l'ordine del giorno, la data e il luogo dall'avviso di convocazione;\n"
        "- nella tabella di sinistra si segna chi è presente o rappresentato, con il nome del "
        "delegato e la delega scritta;\n"
        "- 'entra' ed 'esce' registrano all'ora scritta l'arrivo o l'uscita del condomino "
        "selezionato, dal punto mostrato;\n"
        "- per ogni punto si sceglie la materia e si segnano i voti: 'tutti favorevoli' e poi "
        "i soli contrari e astenuti;\n"
        "- in basso si leggono la costituzione dell'assemblea e l'esito del punto;\n"
        "- 'presenze...' e 'voti...' leggono i file CSV dei voti raccolti su carta;\n"
        "- 'registra' trascrive il verbale nel registro dei verbali;\n"
        "- 'Decreti del giudice...' nel menu File annota i decreti di nomina o revoca "
        "dell'amministratore, che il registro di nomina e revoca riporta.");
}

QLabel *caption(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QString &tip,
                    const QRect &rect)
{
    auto *control = new QPushButton(text, parent);
    control->setObjectName(name);
    control->setToolTip(tip);
    control->setGeometry(rect);
    return control;
}

QString countLine(const HeadsAndValue &count)
{
    return QStringLiteral("%1 teste, %2 mill.").arg(count.heads).arg(MeetingFigures::millesimiText(count.thousandths));
}

} // namespace

SedutaWindow::SedutaWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, Number, parent)
    , m_table(MajorityTable::shipped())
    , m_decreti(new DecretiWindow(platform(), this))
{
    buildHeading();
    buildAttendance();
    buildPoint();
    buildFigures();
    addPrintEntries();
    connectHeading();
}

int SedutaWindow::currentPoint() const
{
    return m_meeting.points.isEmpty() ? 0 : m_point->value();
}

void SedutaWindow::buildHeading()
{
    QWidget *f = form();
    caption(f, QStringLiteral("data"), QRect(8, 4, 28, 20));
    m_date = FormControls::lineEdit(f, QStringLiteral("data"), QRect(36, 4, 76, 20));
    m_call = new QComboBox(f);
    m_call->setObjectName(QStringLiteral("convocazione"));
    m_call->addItems({QStringLiteral("prima convocazione"), QStringLiteral("seconda convocazione")});
    m_call->setGeometry(118, 4, 136, 20);
    m_video = new QCheckBox(QStringLiteral("videoconferenza"), f);
    m_video->setObjectName(QStringLiteral("videoconferenza"));
    m_video->setGeometry(260, 4, 116, 20);
    m_place = FormControls::lineEdit(f, QStringLiteral("luogo"), QRect(380, 4, 252, 20));
    m_place->setToolTip(QStringLiteral("luogo della riunione o, in videoconferenza, la piattaforma"));
    caption(f, QStringLiteral("presidente"), QRect(8, 28, 58, 20));
    m_chair = FormControls::lineEdit(f, QStringLiteral("presidente"), QRect(66, 28, 150, 20));
    caption(f, QStringLiteral("segretario"), QRect(222, 28, 58, 20));
    m_secretary = FormControls::lineEdit(f, QStringLiteral("segretario"), QRect(280, 28, 150, 20));
    caption(f, QStringLiteral("ore"), QRect(438, 28, 22, 20));
    m_opening = FormControls::lineEdit(f, QStringLiteral("apertura"), QRect(462, 28, 44, 20));
    m_opening->setToolTip(QStringLiteral("ora di apertura, HH:MM"));
    m_closing = FormControls::lineEdit(f, QStringLiteral("chiusura"), QRect(510, 28, 44, 20));
    m_closing->setToolTip(QStringLiteral("ora di chiusura, HH:MM"));
    auto *notice = button(f, QStringLiteral("avviso"), QStringLiteral("avviso"),
                          QStringLiteral("prende ordine del giorno, data e luogo dall'avviso di convocazione"),
                          QRect(560, 27, 72, 22));
    connect(notice, &QPushButton::clicked, this, &SedutaWindow::takeNotice);
}

void SedutaWindow::buildAttendance()
{
    m_attendance = new QTableWidget(0, 5, form());
    m_attendance->setObjectName(QStringLiteral("presenze"));
    m_attendance->setHorizontalHeaderLabels({QStringLiteral("condomino"), QStringLiteral("millesimi"),
                                             QStringLiteral("presenza"), QStringLiteral("delegato"),
                                             QStringLiteral("delega")});
    m_attendance->setGeometry(8, 54, 362, 222);
    m_attendance->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_attendance->setSelectionMode(QAbstractItemView::SingleSelection);
    m_attendance->horizontalHeader()->setStretchLastSection(true);
    m_attendance->setColumnWidth(OwnerColumn, 120);
    m_attendance->setColumnWidth(MillesimiColumn, 60);
    m_attendance->setColumnWidth(PresenceColumn, 76);
    m_attendance->setColumnWidth(DelegateColumn, 60);
    connect(m_attendance, &QTableWidget::cellChanged, this, &SedutaWindow::attendanceEdited);
    caption(form(), QStringLiteral("alle ore"), QRect(8, 280, 44, 20));
    m_time = FormControls::lineEdit(form(), QStringLiteral("ora"), QRect(54, 280, 44, 20));
    auto *enters = button(form(), QStringLiteral("entra"), QStringLiteral("entra"),
                          QStringLiteral("il condomino selezionato arriva e conta dal punto mostrato"),
                          QRect(104, 279, 56, 22));
    auto *leaves = button(form(), QStringLiteral("esce"), QStringLiteral("esce"),
                          QStringLiteral("il condomino selezionato esce e non conta dal punto mostrato"),
                          QRect(164, 279, 56, 22));
    connect(enters, &QPushButton::clicked, this, [this] { recordMovement(true); });
    connect(leaves, &QPushButton::clicked, this, [this] { recordMovement(false); });
    auto *attendanceCsv = button(form(), QStringLiteral("leggipresenze"), QStringLiteral("presenze..."),
                                 QStringLiteral("legge le presenze da un file CSV"), QRect(226, 279, 70, 22));
    auto *votesCsv = button(form(), QStringLiteral("leggivoti"), QStringLiteral("voti..."),
                            QStringLiteral("legge i voti da un file CSV"), QRect(300, 279, 70, 22));
    connect(attendanceCsv, &QPushButton::clicked, this, &SedutaWindow::readAttendanceCsv);
    connect(votesCsv, &QPushButton::clicked, this, &SedutaWindow::readVotesCsv);
}

void SedutaWindow::buildPoint()
{
    QWidget *f = form();
    caption(f, QStringLiteral("punto"), QRect(378, 54, 34, 20));
    m_point = new QSpinBox(f);
    m_point->setObjectName(QStringLiteral("punto"));
    m_point->setRange(1, 1);
    m_point->setGeometry(412, 54, 44, 20);
    connect(m_point, &QSpinBox::valueChanged, this, [this] {
        showPoint();
        showFigures();
    });
    auto *all = button(f, QStringLiteral("tuttifavorevoli"), QStringLiteral("tutti favorevoli"),
                       QStringLiteral("tutti i presenti votano a favore; poi si segnano contrari e astenuti"),
                       QRect(530, 53, 102, 22));
    connect(all, &QPushButton::clicked, this, &SedutaWindow::allInFavour);
    m_pointText = FormControls::lineEdit(f, QStringLiteral("testopunto"), QRect(378, 78, 254, 20));
    m_matter = new QComboBox(f);
    m_matter->setObjectName(QStringLiteral("materia"));
    m_matter->addItem(QStringLiteral("(nessuna votazione)"), 0);
    for (const Majority &majority : m_table.majorities) {
        if (majority.hasRule)
            m_matter->addItem(majority.caption, majority.number);
    }
    m_matter->setGeometry(378, 102, 254, 20);
    caption(f, QStringLiteral("votano solo"), QRect(378, 126, 70, 20));
    m_entitled = FormControls::lineEdit(f, QStringLiteral("aventidiritto"), QRect(450, 126, 182, 20));
    m_entitled->setToolTip(QString::fromUtf8("i condomini che sostengono la spesa, quando riguarda "
                                             "solo alcuni (art. 1123, terzo comma, c.c.): ad "
                                             "esempio 1-4, 7; vuoto, tutti"));
    connect(m_entitled, &QLineEdit::editingFinished, this, &SedutaWindow::entitledTyped);
    m_votes = new QTableWidget(0, 2, f);
    m_votes->setObjectName(QStringLiteral("voti"));
    m_votes->setHorizontalHeaderLabels({QStringLiteral("condomino"), QStringLiteral("voto")});
    m_votes->horizontalHeader()->setStretchLastSection(true);
    m_votes->setColumnWidth(0, 140);
    m_votes->setGeometry(378, 150, 254, 126);
    m_discussion = new QPlainTextEdit(f);
    m_discussion->setObjectName(QStringLiteral("discussione"));
    m_discussion->setToolTip(QStringLiteral("discussione del punto; le righe che cominciano con "
                                            "\"Dichiarazione:\" vanno a verbale come dichiarazioni"));
    m_discussion->setGeometry(378, 280, 254, 44);
    connect(m_matter, &QComboBox::currentIndexChanged, this, [this] {
        if (m_showing || currentPoint() == 0)
            return;
        m_meeting.points[currentPoint() - 1].matter = m_matter->currentData().toInt();
        showFigures();
    });
    connect(m_pointText, &QLineEdit::textChanged, this, &SedutaWindow::storePointTexts);
    connect(m_discussion, &QPlainTextEdit::textChanged, this, &SedutaWindow::storePointTexts);
}

void SedutaWindow::buildFigures()
{
    m_quorum = FormControls::panel(form(), QStringLiteral("costituzione"), QRect(8, 306, 362, 64));
    m_quorum->setWordWrap(true);
    m_quorum->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_result = FormControls::panel(form(), QStringLiteral("esito"), QRect(378, 328, 254, 42));
    m_result->setWordWrap(true);
    m_result->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

void SedutaWindow::addPrintEntries()
{
    connect(addPrintEntry(QStringLiteral("Verbale")), &QAction::triggered, this, &SedutaWindow::printMain);
    connect(addPrintEntry(QStringLiteral("Foglio delle presenze")), &QAction::triggered, this, [this] {
        setStepHint(PrintStatus::Loading);
        handOverDocument(AttendanceSheetPrintout::build(state(), m_meeting), PrintStatus::ShownData);
    });
    connect(addPrintEntry(QStringLiteral("Registra il verbale nel registro")), &QAction::triggered, this,
            &SedutaWindow::transcribeMinutes);
    auto *decrees = new QAction(QStringLiteral("Decreti del &giudice..."), this);
    decrees->setObjectName(QStringLiteral("apridecreti"));
    fileMenu()->insertAction(fileMenu()->findChild<QAction *>(QStringLiteral("amministratore")), decrees);
    connect(decrees, &QAction::triggered, this, &SedutaWindow::showDecrees);
}

void SedutaWindow::connectHeading()
{
    const auto text = [this](QLineEdit *field, QString Meeting::*member) {
        connect(field, &QLineEdit::textChanged, this, [this, member](const QString &typed) {
            if (!m_showing)
                m_meeting.*member = typed.trimmed();
        });
    };
    text(m_date, &Meeting::date);
    text(m_chair, &Meeting::chair);
    text(m_secretary, &Meeting::secretary);
    connect(m_place, &QLineEdit::textChanged, this, [this](const QString &typed) {
        if (!m_showing)
            (m_video->isChecked() ? m_meeting.platform : m_meeting.place) = typed.trimmed();
    });
    connect(m_video, &QCheckBox::toggled, this, [this](bool video) {
        if (m_showing)
            return;
        m_meeting.platform = video ? m_place->text().trimmed() : QString();
        m_meeting.place = video ? QString() : m_place->text().trimmed();
    });
    for (const auto &[field, member] : {std::pair{m_opening, &Meeting::opening}, std::pair{m_closing, &Meeting::closing}})
        connect(field, &QLineEdit::textChanged, this, [this, member = member](const QString &typed) {
            if (!m_showing)
                m_meeting.*member = QTime::fromString(typed.trimmed(), TimeFormat);
        });
    connect(m_call, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_showing)
            return;
        m_meeting.call = index + 1;
        m_meeting.firstCallFailed = index == 1;
        showFigures();
    });
}

void SedutaWindow::initialise()
{
    m_meeting.administratorName = state().administrator.name;
    showMeeting();
    setStepHint(IdleHint);
    markSaved();
}

// What is typed on the assembly day exists nowhere else: closing the window or the program
// asks to save it, comparing the meeting with its file as last written or read.
bool SedutaWindow::hasUnsavedChanges() const
{
    return meetingChanged() || m_decreti->hasUnsavedChanges();
}

bool SedutaWindow::meetingChanged() const
{
    return MeetingFile::bytes(state().condoName, m_meeting) != m_savedBytes;
}

// Once the window closes, what it kept unsaved was saved or given up when asked.
void SedutaWindow::closeEvent(QCloseEvent *event)
{
    WorkWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_decreti->revert();
        m_decreti->hide();
    }
}

void SedutaWindow::markSaved()
{
    m_savedBytes = MeetingFile::bytes(state().condoName, m_meeting);
}

void SedutaWindow::showMeeting()
{
    m_showing = true;
    m_date->setText(m_meeting.date);
    m_call->setCurrentIndex(m_meeting.call == 2 ? 1 : 0);
    m_video->setChecked(m_meeting.isVideoconference());
    m_place->setText(m_meeting.isVideoconference() ? m_meeting.platform : m_meeting.place);
    m_chair->setText(m_meeting.chair);
    m_secretary->setText(m_meeting.secretary);
    m_opening->setText(m_meeting.opening.toString(TimeFormat));
    m_closing->setText(m_meeting.closing.toString(TimeFormat));
    m_point->setRange(1, qMax(1, int(m_meeting.points.size())));
    m_showing = false;
    showAttendance();
    showPoint();
    showFigures();
}

void SedutaWindow::showAttendance()
{
    m_showing = true;
    QList<int> owners;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!state().owner(owner).ownerName.isEmpty())
            owners << owner;
    }
    m_attendance->setRowCount(int(owners.size()));
    for (int row = 0; row < owners.size(); ++row) {
        const int owner = owners.at(row);
        const Attendance &attendance = m_meeting.attendance(owner);
        auto *name = new QTableWidgetItem(QStringLiteral("%1 %2").arg(owner).arg(state().owner(owner).ownerName));
        name->setData(Qt::UserRole, owner);
        name->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        m_attendance->setItem(row, OwnerColumn, name);
        auto *millesimi = new QTableWidgetItem(MeetingFigures::millesimiText(
            MeetingFigures::thousandthsOf(state().owner(owner).ownerMillesimi)));
        millesimi->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        m_attendance->setItem(row, MillesimiColumn, millesimi);
        auto *presence = new QComboBox;
        presence->addItems(PresenceNames);
        presence->setCurrentIndex(int(attendance.presence));
        connect(presence, &QComboBox::currentIndexChanged, this, [this, row] { attendanceEdited(row, PresenceColumn); });
        m_attendance->setCellWidget(row, PresenceColumn, presence);
        m_attendance->setItem(row, DelegateColumn, new QTableWidgetItem(attendance.delegate));
        auto *proxy = new QTableWidgetItem;
        proxy->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        proxy->setCheckState(attendance.proxyShown ? Qt::Checked : Qt::Unchecked);
        m_attendance->setItem(row, ProxyColumn, proxy);
    }
    m_showing = false;
}

// An owner's row stored at once: the presence chosen, the delegate's name and the proxy
// shown, then every figure counted again.
void SedutaWindow::attendanceEdited(int row, int)
{
    if (m_showing || !m_attendance->item(row, OwnerColumn))
        return;
    const int owner = m_attendance->item(row, OwnerColumn)->data(Qt::UserRole).toInt();
    Attendance &attendance = m_meeting.attendance(owner);
    auto *presence = qobject_cast<QComboBox *>(m_attendance->cellWidget(row, PresenceColumn));
    attendance.presence = Presence(presence ? presence->currentIndex() : 0);
    attendance.delegate = m_attendance->item(row, DelegateColumn)->text().simplified();
    attendance.proxyShown = m_attendance->item(row, ProxyColumn)->checkState() == Qt::Checked;
    showPoint();
    showFigures();
}

void SedutaWindow::showPoint()
{
    m_showing = true;
    const int point = currentPoint();
    const MeetingPoint shown = point > 0 ? m_meeting.points.at(point - 1) : MeetingPoint();
    m_pointText->setText(shown.text);
    m_entitled->setText(EntitledOwners::text(shown.entitled));
    m_matter->setCurrentIndex(qMax(0, m_matter->findData(shown.matter)));
    QStringList discussion = shown.discussion.isEmpty() ? QStringList() : QStringList{shown.discussion};
    for (const QString &statement : shown.statements)
        discussion << QStringLiteral("Dichiarazione: ") + statement;
    m_discussion->setPlainText(discussion.join(QLatin1Char('\n')));
    QList<int> voters;
    for (int owner = 1; point > 0 && owner <= Meeting::MaxOwners; ++owner) {
        if (!state().owner(owner).ownerName.isEmpty() && shown.isEntitled(owner)
            && m_meeting.attendanceAt(owner, point).presence != Presence::Absent)
            voters << owner;
    }
    m_votes->setRowCount(int(voters.size()));
    for (int row = 0; row < voters.size(); ++row) {
        const int owner = voters.at(row);
        auto *name = new QTableWidgetItem(state().owner(owner).ownerName);
        name->setFlags(Qt::ItemIsEnabled);
        m_votes->setItem(row, 0, name);
        auto *vote = new QComboBox;
        vote->addItems(VoteNames);
        vote->setCurrentIndex(int(shown.vote(owner)));
        connect(vote, &QComboBox::currentIndexChanged, this, [this, owner](int index) { voteChosen(owner, index); });
        m_votes->setCellWidget(row, 1, vote);
    }
    m_showing = false;
}

void SedutaWindow::voteChosen(int owner, int index)
{
    if (m_showing || currentPoint() == 0)
        return;
    QMap<int, Vote> &votes = m_meeting.points[currentPoint() - 1].votes;
    if (index == 0)
        votes.remove(owner);
    else
        votes.insert(owner, Vote(index));
    showFigures();
}

// Only the owners listed vote on the point and count in its majority; a list that names
// an owner the registry lacks is refused, and the point keeps its voters.
void SedutaWindow::entitledTyped()
{
    if (m_showing || currentPoint() == 0)
        return;
    MeetingPoint &point = m_meeting.points[currentPoint() - 1];
    const std::optional<QList<int>> owners = EntitledOwners::read(m_entitled->text(), state());
    if (!owners) {
        tellUser(MessageIcon::Exclamation,
                 QString::fromUtf8("\"%1\" non è un elenco di condomini dell'archivio: si scrivono "
                                   "i loro numeri separati da virgole, o da un trattino per un "
                                   "intervallo (1-4, 7).")
                     .arg(m_entitled->text()));
    } else if (*owners != point.entitled) {
        point.entitled = *owners;
        for (auto vote = point.votes.begin(); vote != point.votes.end();)
            vote = point.isEntitled(vote.key()) ? std::next(vote) : point.votes.erase(vote);
    }
    showPoint();
    showFigures();
}

// The discussion's lines go to the point; those beginning "Dichiarazione:" are statements.
void SedutaWindow::storePointTexts()
{
    if (m_showing || currentPoint() == 0)
        return;
    MeetingPoint &point = m_meeting.points[currentPoint() - 1];
    point.text = m_pointText->text().trimmed();
    const QString mark = QStringLiteral("Dichiarazione:");
    QStringList discussion;
    point.statements.clear();
    for (const QString &line : m_discussion->toPlainText().split(QLatin1Char('\n'))) {
        if (line.startsWith(mark))
            point.statements << line.mid(mark.size()).trimmed();
        else
            discussion << line;
    }
    point.discussion = discussion.join(QLatin1Char('\n')).trimmed();
}

void SedutaWindow::showFigures()
{
    const int point = currentPoint();
    const QuorumResult quorum = MeetingTally::quorum(state(), m_meeting, point);
    QString text = QStringLiteral("Intervenuti %1 su %2; occorrono %3 teste e %4 mill. (%5): %6")
                       .arg(countLine(quorum.attendees), countLine(quorum.participants))
                       .arg(quorum.requiredHeads)
                       .arg(MeetingFigures::millesimiText(quorum.requiredThousandths), quorum.rule,
                            quorum.constituted ? QStringLiteral("COSTITUITA") : QStringLiteral("NON COSTITUITA"));
    for (const ProxyCheck::Finding &finding : ProxyCheck::check(state(), m_meeting, point))
        text += QLatin1Char('\n') + finding.text;
    m_quorum->setText(text);
    const int matter = point > 0 ? m_meeting.points.at(point - 1).matter : 0;
    const Majority *majority = m_table.matter(matter);
    if (!majority || !majority->hasRule) {
        m_result->setText(QStringLiteral("punto senza votazione"));
        return;
    }
    const PointResult result = MeetingTally::pointResult(state(), m_meeting, point, majority->rule);
    m_result->setText(QStringLiteral("F %1; C %2; A %3\n%4 (%5)")
                          .arg(countLine(result.inFavour), countLine(result.against), countLine(result.abstained),
                               result.approved ? QStringLiteral("APPROVATA") : QStringLiteral("RESPINTA"), result.rule));
}

void SedutaWindow::takeNotice()
{
    auto *notices = qobject_cast<ConvocazioneWindow *>(shell().existingWorkWindow(ConvocazioneNumber));
    if (!notices) {
        tellUser(MessageIcon::Information, QStringLiteral("Aprire prima l'avviso nella finestra Convocazione."));
        return;
    }
    const MeetingNotice &notice = notices->notice();
    m_meeting.points.clear();
    for (int j = 1; j <= notice.printedPoints(); ++j) {
        MeetingPoint point;
        point.text = notice.agendaPoint(j);
        m_meeting.points << point;
    }
    m_meeting.noticeDate = notice.noticeDate;
    m_meeting.noticeChecked = true;
    m_meeting.noticeProblems = NoticeCheck::check(notice).problems;
    const bool second = m_meeting.call == 2;
    m_meeting.date = second ? notice.secondCallDate : notice.firstCallDate;
    m_meeting.place = second ? notice.secondCallPlace : notice.firstCallPlace;
    m_meeting.opening = QTime::fromString(second ? notice.secondCallHour : notice.firstCallHour, TimeFormat);
    showMeeting();
}

void SedutaWindow::allInFavour()
{
    const int point = currentPoint();
    if (point == 0)
        return;
    MeetingPoint &agendaPoint = m_meeting.points[point - 1];
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!state().owner(owner).ownerName.isEmpty() && agendaPoint.isEntitled(owner)
            && m_meeting.attendanceAt(owner, point).presence != Presence::Absent)
            agendaPoint.votes.insert(owner, Vote::For);
    }
    showPoint();
    showFigures();
}

void SedutaWindow::recordMovement(bool arrives)
{
    const int row = m_attendance->currentRow();
    const QTime time = QTime::fromString(m_time->text().trimmed(), TimeFormat);
    if (row < 0 || !time.isValid() || currentPoint() == 0) {
        tellUser(MessageIcon::Exclamation, QStringLiteral("Selezionare il condomino, scrivere l'ora (HH:MM) "
                                                          "e mostrare il punto da cui conta."));
        return;
    }
    Movement movement;
    movement.owner = m_attendance->item(row, OwnerColumn)->data(Qt::UserRole).toInt();
    movement.time = time;
    movement.fromPoint = currentPoint();
    movement.attendance.presence = arrives ? Presence::Present : Presence::Absent;
    m_meeting.movements << movement;
    showPoint();
    showFigures();
}

QString SedutaWindow::chooseCsv(const QString &title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Tutti i file (*.*) | *.*|File CSV | *.csv");
    request.selectedFilter = 2;
    return platform().openFileName(request);
}

// A CSV chosen by the user read into the meeting; a refused file changes nothing and is
// named with its row.
void SedutaWindow::readCsv(const QString &title,
                           const std::function<MeetingCsv::Result(const QByteArray &)> &reader)
{
    const QString path = chooseCsv(title);
    if (path.isEmpty())
        return;
    QString problem;
    const QByteArray bytes = MeetingCsv::readFile(path, &problem);
    const MeetingCsv::Result result = problem.isEmpty() ? reader(bytes) : MeetingCsv::Result{false, problem};
    if (!result.ok)
        return tellUser(MessageIcon::Critical, path + QStringLiteral(": ") + result.problem);
    showAttendance();
    showPoint();
    showFigures();
}

void SedutaWindow::readAttendanceCsv()
{
    readCsv(QStringLiteral("Presenze raccolte su carta"), [this](const QByteArray &bytes) {
        return MeetingCsv::readAttendance(bytes, state(), m_meeting);
    });
}

void SedutaWindow::readVotesCsv()
{
    readCsv(QStringLiteral("Voti raccolti su carta"), [this](const QByteArray &bytes) {
        return MeetingCsv::readVotes(bytes, state(), m_table.votableMatters(), int(m_meeting.points.size()),
                                     m_meeting);
    });
}

void SedutaWindow::openArchive()
{
    FileDialogRequest request;
    request.title = ArchiveDialogTexts::openTitle();
    request.filter = MeetingFilter;
    request.selectedFilter = 2;
    const QString path = platform().openFileName(request);
    if (path.isEmpty())
        return;
    const MeetingFile::LoadResult result = MeetingFile::load(path);
    if (!result.isComplete())
        return tellUser(MessageIcon::Critical, QStringLiteral("Il file \"%1\" non è il file di una seduta leggibile.").arg(path));
    // Counted on another condominium's owners, every figure would be wrong.
    if (result.condoName != state().condoName)
        return tellUser(MessageIcon::Critical, QStringLiteral("La seduta \"%1\" è del condominio \"%2\": aprire prima "
                                                              "il suo archivio nella finestra Dati.")
                                                   .arg(path, result.condoName));
    m_meeting = result.meeting;
    m_archiveName = path;
    showMeeting();
    markSaved();
}

void SedutaWindow::saveArchive()
{
    const bool decreesChanged = m_decreti->hasUnsavedChanges();
    if (decreesChanged && !m_decreti->save())
        return;
    // Decrees typed on an unchanged meeting need no meeting file.
    if (decreesChanged && !meetingChanged())
        return;
    if (m_archiveName.isEmpty())
        return saveArchiveAs();
    saveMeeting(m_archiveName);
}

void SedutaWindow::saveArchiveAs()
{
    FileDialogRequest request;
    request.title = ArchiveDialogTexts::saveAsTitle();
    request.filter = MeetingFilter;
    request.selectedFilter = 2;
    const QString dated = MeetingFile::fileName(state().condoName, QDate::fromString(m_meeting.date, DateFormat));
    const QString path = chooseArchiveSaveName(request, m_archiveName.isEmpty() ? dated : m_archiveName);
    if (!path.isEmpty() && saveMeeting(path))
        m_archiveName = path;
}

bool SedutaWindow::saveMeeting(const QString &path)
{
    QString error;
    if (!MeetingFile::save(state().condoName, m_meeting, path, &error)) {
        tellUser(MessageIcon::Critical, ArchiveDialogTexts::saveFailedMessage(path, error));
        return false;
    }
    setStepHint(QStringLiteral("la seduta è salvata in ") + QFileInfo(path).fileName());
    markSaved();
    return true;
}

void SedutaWindow::printMain()
{
    setStepHint(PrintStatus::Loading);
    handOverDocument(MinutesPrintout::build(state(), m_meeting, m_table.majorities, state().administrator),
                     PrintStatus::ShownData);
}

void SedutaWindow::transcribeMinutes()
{
    if (m_archiveName.isEmpty())
        return tellUser(MessageIcon::Exclamation, QStringLiteral("Salvare prima la seduta: il registro dei verbali "
                                                                 "sta nella stessa cartella."));
    MinutesEntry entry = RegisterPrintouts::entryFor(state(), m_meeting, m_table.majorities, state().administrator,
                                                     platform().today());
    const QString path = QFileInfo(m_archiveName).dir().filePath(MinutesRegister::fileName(state().condoName));
    QString error;
    if (!MinutesRegister::append(path, state().condoName, entry, &error))
        return tellUser(MessageIcon::Critical, error);
    setStepHint(QStringLiteral("verbale n. %1 trascritto nel registro dei verbali").arg(entry.number));
}

QString SedutaWindow::decreesFolder() const
{
    if (!m_archiveName.isEmpty())
        return QFileInfo(m_archiveName).path();
    const auto *dati = qobject_cast<DatiWindow *>(shell().existingWorkWindow(DatiNumber));
    return dati && !dati->archiveName().isEmpty() ? QFileInfo(dati->archiveName()).path() : QString();
}

void SedutaWindow::showDecrees()
{
    if (m_decreti->isVisible()) {
        m_decreti->raise();
        return m_decreti->activateWindow();
    }
    if (state().condoName.isEmpty())
        return tellUser(MessageIcon::Exclamation, QStringLiteral("Aprire prima l'archivio del condominio nella "
                                                                 "finestra Dati."));
    const QString folder = decreesFolder();
    if (folder.isEmpty())
        return tellUser(MessageIcon::Exclamation, QStringLiteral("Salvare prima la seduta o l'archivio del "
                                                                 "condominio: i decreti stanno nella stessa cartella."));
    if (!m_decreti->open(QDir(folder).filePath(DecreeFile::fileName(state().condoName)), state().condoName))
        return;
    WindowPlacement::centreOver(m_decreti, this);
    m_decreti->show();
    m_decreti->raise();
}

void SedutaWindow::checkData()
{
    const QuorumResult quorum = MeetingTally::quorum(state(), m_meeting, currentPoint());
    QStringList findings;
    if (!QDate::fromString(m_meeting.date, DateFormat).isValid())
        findings << QStringLiteral("- scrivere la data della seduta (GG/MM/AAAA);");
    for (const ProxyCheck::Finding &finding : ProxyCheck::check(state(), m_meeting, currentPoint()))
        findings << QStringLiteral("- ") + finding.text + QLatin1Char(';');
    if (!quorum.constituted)
        findings << QStringLiteral("- l'assemblea non è costituita (%1).").arg(quorum.rule);
    tellUser(findings.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation,
             findings.isEmpty() ? QStringLiteral("I dati sono stati immessi correttamente.") : findings.join(QLatin1Char('\n')));
}

void SedutaWindow::clearWindow()
{
    m_decreti->revert();
    m_meeting = Meeting();
    m_meeting.administratorName = state().administrator.name;
    m_archiveName.clear();
    showMeeting();
    markSaved();
}

void SedutaWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle, instructions());
}

void SedutaWindow::tellUser(MessageIcon icon, const QString &text)
{
    platform().showMessage(icon, state().texts.appTitle, text);
}

} // namespace veltra
