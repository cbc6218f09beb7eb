#include "core/assembly/noticearchive.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/convocazione/convocazionewindow.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTemporaryDir>
#include <QToolBar>

using namespace veltra;

namespace {

const QString Length85 =
    QString::fromUtf8("Per una stampa corretta non digitare dati lunghi più di  85 spazi.");
const QString NoticeFilter =
    QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-avvisi- | Veltra-avvisi-*");

} // namespace

// The meeting-notice window: its fields and their defaults, the agenda rows, the step
// hints, the notice files, the check, the clear command and the printout.
class TestConvocazioneWindow : public QObject, private WorkWindowFixture<ConvocazioneWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheDayAsNoticeDateAndTheDefaultTexts();
    void showsTheLoadedCondominiumAndPlainCallLabels();
    void firstOpenLoadsTheCondominiumThenNoticeFiles();
    void choosingASubjectWithoutCondominiumAsksForIt();
    void agendaScrolledToSixEditsPointEightInRowThree();
    void lengthMessageOnEveryKeystrokePastEightyFive();
    void stepHintsFollowTheFieldsInOrder();
    void saveAsksForANameOnlyOnce();
    void unreadableFileLeavesTheWindowAsItWas();
    void refusedAndFailedSavesSaySoAndKeepTheFile();
    void clearKeepsCondominiumFileNameAndCopies();
    void deleteRemovesTheChosenNoticeFileAtOnce();
    void ownViewEntryAsksForTheWindowsGuide();
    void checkNamesWhatIsWrongOrSaysAllIsRight();
    void printHandsOverOneNoticePerOwnerAndCopy();
    void printAsksOverAShortNoticeAndRefusesAnImpossibleDate();
    void instructionsListTheWindowsSteps();
    void undoTakesBackTypingFieldByField();

private:
    void type(const QString &name, const QString &text) const;
    QString hint() const { return m_window->passo()->text(); }
    QString writeNotice(const QByteArray &bytes, const QString &name) const;
    void fillValidNotice() const;

    QTemporaryDir m_home;
    QTemporaryDir *m_dir = nullptr;
};

// Printed documents go to the documents folder of a home of the test's own.
void TestConvocazioneWindow::initTestCase()
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
}

void TestConvocazioneWindow::init()
{
    m_dir = new QTemporaryDir;
    createState();
    QVERIFY(openWindow(6));
}

void TestConvocazioneWindow::cleanup()
{
    deleteWindow();
    delete m_dir;
}

void TestConvocazioneWindow::type(const QString &name, const QString &text) const
{
    control<QLineEdit>(name)->setText(text);
}

QString TestConvocazioneWindow::writeNotice(const QByteArray &bytes, const QString &name) const
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("notice file not written");
    return path;
}

void TestConvocazioneWindow::fillValidNotice() const
{
    control<QComboBox>(QStringLiteral("oggett"))->setEditText(QStringLiteral("assemblea ordinaria"));
    type(QStringLiteral("numer"), QStringLiteral("3"));
    type(QStringLiteral("dat1"), QStringLiteral("14/12/2026"));
    type(QStringLiteral("or1"), QStringLiteral("7.00"));
    type(QStringLiteral("luog1"), QStringLiteral("androne"));
    type(QStringLiteral("dat2"), QStringLiteral("15/12/2026"));
    type(QStringLiteral("or2"), QStringLiteral("18.00"));
    type(QStringLiteral("luog2"), QStringLiteral("androne"));
    type(QStringLiteral("giorn_1"), QStringLiteral("rendiconto"));
    type(QStringLiteral("notes"), QStringLiteral("firmare per ricevuta"));
}

void TestConvocazioneWindow::opensWithTheDayAsNoticeDateAndTheDefaultTexts()
{
    QCOMPARE(m_window->windowTitle().remove(QStringLiteral("[*]")),
             QStringLiteral("Veltra: avviso di convocazione dell'assemblea dei condomini"));
    QCOMPARE(hint(), QStringLiteral("prelevare i dati del condominio dall'archivio"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("dat0"))->text(), QStringLiteral("09/12/2026"));
    QCOMPARE(m_window->notice().noticeDate, QStringLiteral("09/12/2026"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("test"))->text(),
             QString::fromUtf8("La S/V è invitata a partecipare all'assemblea dei condomini "
                               "convocata secondo il seguente calendario"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("discut"))->text(),
             QStringLiteral("per discutere i seguenti punti all'ordine del giorno:"));
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QString());

    auto *subject = control<QComboBox>(QStringLiteral("oggett"));
    QCOMPARE(subject->count(), 2);
    QCOMPARE(subject->itemText(0),
             QStringLiteral("convocazione assemblea di condominio in seduta ordinaria"));
    QCOMPARE(subject->itemText(1),
             QStringLiteral("convocazione assemblea di condominio in seduta straordinaria"));
    QCOMPARE(subject->currentText(), QString());
    QCOMPARE(subject->toolTip(),
             QStringLiteral("indicare l'oggetto, scegliere tra le due preimpostazioni"));

    QCOMPARE(control<QLabel>(QStringLiteral("Label7"))->text(),
             QStringLiteral(" data 2a convocazione:"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("dat2"))->toolTip(),
             QStringLiteral("indicare la data della seconda convocazione (il giorno dopo oppure "
                            "entro 10 giorni secondo il codice civile)"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("giorn_4"))->toolTip(),
             QStringLiteral("si possono trattare solo gli argomenti riportati nell'ordine del "
                            "giorno"));
    QCOMPARE(m_window->passo()->toolTip(),
             QStringLiteral("indicazioni sulla corretta procedura di gestione della finestra"));
    QCOMPARE(control<QPushButton>(QStringLiteral("cmdStampa"))->text(), QStringLiteral("&Stampa"));
    QCOMPARE(control<QGroupBox>(QStringLiteral("Frame1"))->title(), QStringLiteral("numero di copie"));
    QVERIFY(control<QRadioButton>(QStringLiteral("ncopie_1"))->isChecked());
    QCOMPARE(control<QRadioButton>(QStringLiteral("ncopie_2"))->text(),
             QStringLiteral("copia per condomino + ricevuta"));
    for (int r = 1; r <= 5; ++r)
        QCOMPARE(control<QLabel>(QStringLiteral("nu_%1").arg(r))->text(), QString::number(r));
    for (QAction *button : m_window->toolBar()->actions()) {
        if (!button->isSeparator())
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }
    QVERIFY(m_window->findChild<QAction *>(QStringLiteral("finestra6"))->isChecked());
}

// The hour and the place stand on the line of their call's date, with no ditto mark. The
// condominium loaded before the window opened, or while it stood hidden, heads it.
void TestConvocazioneWindow::showsTheLoadedCondominiumAndPlainCallLabels()
{
    for (const char *hour : {"Label6", "Label11"})
        QCOMPARE(control<QLabel>(QLatin1String(hour))->text(), QStringLiteral(" ora:"));
    for (const char *place : {"Label10", "Label12"})
        QCOMPARE(control<QLabel>(QLatin1String(place))->text(), QStringLiteral(" luogo:"));

    deleteWindow();
    createState();
    m_state->condoName = QStringLiteral("Le Magnolie");
    QVERIFY(openWindow(6));
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("Le Magnolie"));

    m_window->hide();
    m_state->condoName = QStringLiteral("I Cedri"); // as an expense file opened elsewhere sets it
    m_shell->showWorkWindow(6);
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("I Cedri"));
}

void TestConvocazioneWindow::firstOpenLoadsTheCondominiumThenNoticeFiles()
{
    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 2));
    m_window->openArchive();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs.last().filter,
             QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-dati- | Veltra-dati-*"));
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("Cedri"));
    QCOMPARE(m_state->ownerCount, 2);
    QCOMPARE(m_window->archiveName(), QString());

    QByteArray bytes = "\"straordinaria\",\"12\",\"Si invita\",\"10/01/2027\",\"18\",\"sala\","
                       "\"11/01/2027\",\"19\",\"cortile\",\"ordine:\",\"02/01/2027\",\"note\"\r\n"
                       "\"lavori\"\r\n\"\"\r\n";
    for (int j = 3; j <= 20; ++j)
        bytes += j == 9 ? "\"nono\"\r\n" : "\r\n";
    const QString path = writeNotice(bytes, QStringLiteral("Veltra-avvisi-gennaio"));
    m_platform->fileNames.enqueue(path);
    m_window->openArchive();
    QCOMPARE(m_platform->dialogs.size(), 2);
    const FileDialogRequest &dialog = m_platform->dialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Apri file"));
    QCOMPARE(dialog.filter, NoticeFilter);
    QCOMPARE(dialog.selectedFilter, 2);
    QCOMPARE(dialog.proposedName, QString());
    QCOMPARE(m_window->archiveName(), path);
    QCOMPARE(control<QComboBox>(QStringLiteral("oggett"))->currentText(), QStringLiteral("straordinaria"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("numer"))->text(), QStringLiteral("12"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("test"))->text(), QStringLiteral("Si invita"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("luog2"))->text(), QStringLiteral("cortile"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("discut"))->text(), QStringLiteral("ordine:"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("dat0"))->text(), QStringLiteral("02/01/2027"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("notes"))->text(), QStringLiteral("note"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("giorn_1"))->text(), QStringLiteral("lavori"));
    QCOMPARE(m_platform->messages.size(), 0);

    // Shown and saved again, the file comes back byte for byte, the emptied point 2 and the
    // never-typed points told apart.
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void TestConvocazioneWindow::choosingASubjectWithoutCondominiumAsksForIt()
{
    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 1));
    auto *subject = control<QComboBox>(QStringLiteral("oggett"));
    subject->setCurrentIndex(1);
    emit subject->activated(1);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->lastMessage().title,
             QStringLiteral("Veltra: controllo dati immessi nella finestra attiva"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Richiamare dall'archivio i dati del condominio."));
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("Cedri"));
    QCOMPARE(m_window->notice().subject,
             QStringLiteral("convocazione assemblea di condominio in seduta straordinaria"));
    QCOMPARE(hint(), QStringLiteral("digitare il numero d'ordine dell'assemblea"));

    // With the condominium loaded, choosing again asks nothing.
    subject->setCurrentIndex(0);
    emit subject->activated(0);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->dialogs.size(), 1);
}

void TestConvocazioneWindow::agendaScrolledToSixEditsPointEightInRowThree()
{
    auto *bar = control<QScrollBar>(QStringLiteral("VScroll1"));
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 16);
    QCOMPARE(bar->pageStep(), 5);
    type(QStringLiteral("giorn_1"), QStringLiteral("primo"));
    bar->setValue(6);
    QCOMPARE(m_window->topPoint(), 6);
    QCOMPARE(control<QLabel>(QStringLiteral("nu_1"))->text(), QStringLiteral("6"));
    QCOMPARE(control<QLabel>(QStringLiteral("nu_3"))->text(), QStringLiteral("8"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("giorn_1"))->text(), QString());
    type(QStringLiteral("giorn_3"), QStringLiteral("ottavo"));
    QCOMPARE(m_window->notice().agendaPoint(8), QStringLiteral("ottavo"));
    QCOMPARE(m_window->notice().agendaPoint(3), QString());
    // Scrolling shows points without typing them.
    QVERIFY(!m_window->notice().agendaPointTyped(6));

    bar->setValue(16);
    QCOMPARE(control<QLabel>(QStringLiteral("nu_5"))->text(), QStringLiteral("20"));
    type(QStringLiteral("giorn_5"), QStringLiteral("ventesimo"));
    bar->setValue(1);
    QCOMPARE(control<QLineEdit>(QStringLiteral("giorn_1"))->text(), QStringLiteral("primo"));
    QCOMPARE(m_window->notice().agendaPoint(20), QStringLiteral("ventesimo"));
}

void TestConvocazioneWindow::lengthMessageOnEveryKeystrokePastEightyFive()
{
    auto *number = control<QLineEdit>(QStringLiteral("numer"));
    number->setFocus();
    QTest::keyClicks(number, QString(85, QLatin1Char('1')));
    QCOMPARE(m_platform->messages.size(), 0);
    QTest::keyClicks(number, QStringLiteral("234"));
    QCOMPARE(m_platform->messages.size(), 3);
    for (const ScriptedPlatform::Message &message : m_platform->messages) {
        QCOMPARE(message.text, Length85);
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.title, QStringLiteral("Veltra: controllo dati immessi nella finestra attiva"));
    }
    // The number stays as typed, and deleting back to 85 characters warns once more, at 87.
    QCOMPARE(m_window->notice().number.size(), 88);
    QTest::keyClick(number, Qt::Key_Backspace);
    QTest::keyClick(number, Qt::Key_Backspace);
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(m_platform->messages.size(), 5);
}

void TestConvocazioneWindow::stepHintsFollowTheFieldsInOrder()
{
    const QStringList hints = {
        "scegliere o digitare l'oggetto dell'avviso, oppure prelevare i dati dall'archivio",
        "digitare il numero d'ordine dell'assemblea",
        "digitare il testo dell'avviso",
        "digitare il giorno della prima convocazione",
        "digitare l'ora della prima convocazione",
        "digitare il luogo della prima convocazione",
        "digitare il giorno della seconda convocazione (il giorno dopo la prima o massimo dopo "
        "10 giorni)",
        "digitare l'ora della seconda convocazione",
        "digitare il luogo della seconda convocazione",
        "digitare il motivo della convocazione",
        "digitare almeno un punto all'ordine del giorno",
        "digitare la data dell'avviso (la comunicazione deve avvenire almeno 5 giorni prima "
        "della convocazione)",
        "digitare eventuali note (firmare per ricevuta, raccomandata a mano, ecc.)",
        "correggere, archiviare i dati o procedere con la stampa degli avvisi ai condomini"};
    m_window->clearWindow();
    QCOMPARE(hint(), hints[0]);
    control<QComboBox>(QStringLiteral("oggett"))->setEditText(QStringLiteral("ordinaria"));
    QCOMPARE(hint(), hints[1]);
    const QStringList fields = {"numer", "test", "dat1", "or1", "luog1", "dat2",
                                "or2", "luog2", "discut", "giorn_1", "dat0", "notes"};
    for (int f = 0; f < fields.size(); ++f) {
        type(fields[f], QStringLiteral("x"));
        QCOMPARE(hint(), hints[f + 2]);
    }
    // Emptying a field brings its hint back first.
    type(QStringLiteral("or1"), QString());
    QCOMPARE(hint(), hints[4]);
}

void TestConvocazioneWindow::saveAsksForANameOnlyOnce()
{
    type(QStringLiteral("giorn_1"), QStringLiteral("bilancio"));
    type(QStringLiteral("giorn_2"), QStringLiteral("lavori"));
    type(QStringLiteral("giorn_2"), QString());
    const QString path = m_dir->filePath(QStringLiteral("Veltra-avvisi-dicembre"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.size(), 1);
    const FileDialogRequest &dialog = m_platform->dialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Salva file con nome"));
    QCOMPARE(dialog.filter, QStringLiteral("File Veltra-avvisi- | Veltra-avvisi-*"));
    QCOMPARE(dialog.selectedFilter, 1);
    QCOMPARE(dialog.proposedName, QStringLiteral("Veltra-avvisi-"));
    QCOMPARE(m_window->archiveName(), path);

    QByteArray expected = "\"\",\"\",\"La S/V \xE8 invitata a partecipare all'assemblea dei "
                          "condomini convocata secondo il seguente calendario\",\"\",\"\",\"\","
                          "\"\",\"\",\"\",\"per discutere i seguenti punti all'ordine del "
                          "giorno:\",\"09/12/2026\",\"\"\r\n\"bilancio\"\r\n\"\"\r\n";
    for (int j = 3; j <= 20; ++j)
        expected += "\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    file.close();

    type(QStringLiteral("notes"), QStringLiteral("urgente"));
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QVERIFY(NoticeArchive::load(path).notice.notes == QStringLiteral("urgente"));

    // "Salva con nome..." asks again, proposing the last name; cancelled, it keeps the file.
    m_window->saveArchiveAs();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QCOMPARE(m_platform->dialogs.last().proposedName, path);
    QCOMPARE(m_window->archiveName(), path);
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestConvocazioneWindow::unreadableFileLeavesTheWindowAsItWas()
{
    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 1));
    m_window->openArchive();
    type(QStringLiteral("numer"), QStringLiteral("4"));
    type(QStringLiteral("giorn_2"), QStringLiteral("lavori"));
    const MeetingNotice before = m_window->notice();

    // A condominium archive chosen by mistake, and a file cut short after its first line.
    const QString wrong = m_dir->filePath(QStringLiteral("Veltra-dati-Cedri"));
    QByteArray shortNotice = NoticeArchive::bytes(before);
    shortNotice.truncate(shortNotice.indexOf("\r\n") + 2);
    const QString cut = writeNotice(shortNotice, QStringLiteral("Veltra-avvisi-corto"));
    const QString missing = m_dir->filePath(QStringLiteral("Veltra-avvisi-mancante"));
    for (const QString &path : {wrong, cut, missing}) {
        m_platform->choices.enqueue(1); // the typed notice is not saved first
        m_platform->fileNames.enqueue(path);
        m_window->openArchive();
        QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
        QVERIFY(m_platform->lastMessage().text.contains(path));
        QVERIFY(m_platform->lastMessage().text.endsWith(
            QStringLiteral("i dati della finestra sono rimasti invariati.")));
        QCOMPARE(NoticeArchive::bytes(m_window->notice()), NoticeArchive::bytes(before));
        QCOMPARE(control<QLineEdit>(QStringLiteral("numer"))->text(), QStringLiteral("4"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("giorn_2"))->text(), QStringLiteral("lavori"));
        QCOMPARE(m_window->archiveName(), QString());
    }
    // Each time the unsaved notice is asked about, then the file refused.
    QCOMPARE(m_platform->messages.size(), 6);

    // A cancelled dialog ends the command without a word of its own.
    m_platform->choices.enqueue(1);
    m_window->openArchive();
    QCOMPARE(m_platform->messages.size(), 7);
}

void TestConvocazioneWindow::refusedAndFailedSavesSaySoAndKeepTheFile()
{
    const QString path = m_dir->filePath(QStringLiteral("Veltra-avvisi-dicembre"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();

    type(QStringLiteral("notes"), QStringLiteral("portare il \"verbale\""));
    m_window->saveArchive();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(m_platform->lastMessage().text.startsWith(
        QStringLiteral("L'avviso non è stato salvato: le note contiene le virgolette")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    file.close();

    type(QStringLiteral("notes"), QStringLiteral("portare il verbale"));
    const QString unreachable = m_dir->filePath(QStringLiteral("manca/Veltra-avvisi-x"));
    m_platform->fileNames.enqueue(unreachable);
    m_window->saveArchiveAs();
    QCOMPARE(m_platform->lastMessage().text,
             QString::fromUtf8("Non è stato possibile scrivere il file %1 (la cartella non "
                               "esiste): il file precedente è rimasto invariato.")
                 .arg(unreachable));
    QCOMPARE(m_window->archiveName(), path);
}

void TestConvocazioneWindow::clearKeepsCondominiumFileNameAndCopies()
{
    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 1));
    m_window->openArchive();
    fillValidNotice();
    control<QScrollBar>(QStringLiteral("VScroll1"))->setValue(3);
    type(QStringLiteral("giorn_5"), QStringLiteral("settimo"));
    const QString path = m_dir->filePath(QStringLiteral("Veltra-avvisi-dicembre"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    control<QRadioButton>(QStringLiteral("ncopie_2"))->setChecked(true);

    m_window->clearWindow();
    for (const char *name : {"numer", "test", "dat1", "or1", "luog1", "dat2", "or2", "luog2",
                             "discut", "dat0", "notes", "giorn_1", "giorn_5"})
        QVERIFY2(control<QLineEdit>(QString::fromLatin1(name))->text().isEmpty(), name);
    QCOMPARE(control<QComboBox>(QStringLiteral("oggett"))->currentText(), QString());
    QCOMPARE(m_window->notice().lastFilledPoint(), 0);
    QCOMPARE(m_window->topPoint(), 1);
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("Cedri"));
    QCOMPARE(m_window->archiveName(), path);
    QCOMPARE(m_window->copies(), 2);
    QCOMPARE(hint(), QStringLiteral("scegliere o digitare l'oggetto dell'avviso, oppure prelevare "
                                    "i dati dall'archivio"));
}

void TestConvocazioneWindow::deleteRemovesTheChosenNoticeFileAtOnce()
{
    const QString path = writeNotice(NoticeArchive::bytes(m_window->notice()),
                                     QStringLiteral("Veltra-avvisi-vecchio"));
    m_platform->fileNames.enqueue(path);
    m_window->findChild<QAction *>(QStringLiteral("button3"))->trigger();
    const FileDialogRequest &dialog = m_platform->dialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri "
                                          "per cancellarlo"));
    QCOMPARE(dialog.filter,
             QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-avvisi- | Veltra-avvisi-*"));
    QCOMPARE(dialog.selectedFilter, 2);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestConvocazioneWindow::ownViewEntryAsksForTheWindowsGuide()
{
    m_window->findChild<QAction *>(QStringLiteral("finestra6"))->trigger();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Question);
    QCOMPARE(m_platform->lastMessage().title, QStringLiteral("Veltra: aiuto in linea"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("È questa la finestra 'Convocazione': si vuole la guida della "
                            "finestra?"));
    QVERIFY(m_window->findChild<QAction *>(QStringLiteral("finestra6"))->isChecked());
}

void TestConvocazioneWindow::checkNamesWhatIsWrongOrSaysAllIsRight()
{
    m_window->checkData();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Exclamation);
    QCOMPARE(m_platform->lastMessage().title,
             QStringLiteral("Veltra: controllo dati immessi nella finestra attiva"));
    QVERIFY(m_platform->lastMessage().text.startsWith(
        QStringLiteral("Manca la data della prima convocazione.\n")));

    // Dated today, the 9th, for a first call on the 14th: five days, in time.
    fillValidNotice();
    m_window->checkData();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("I dati sono stati immessi correttamente."));

    type(QStringLiteral("dat1"), QStringLiteral("13/12/2026"));
    m_window->checkData();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("art. 66, terzo comma")));
}

void TestConvocazioneWindow::printHandsOverOneNoticePerOwnerAndCopy()
{
    m_window->printNotices();
    QCOMPARE(m_platform->lastMessage().text,
             QString::fromUtf8("Non vi è nulla da stampare: prelevare i dati dall'archivio."));
    QVERIFY(m_platform->documents.isEmpty());

    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 4));
    m_window->openArchive();
    fillValidNotice();
    control<QRadioButton>(QStringLiteral("ncopie_2"))->setChecked(true);
    control<QPushButton>(QStringLiteral("cmdStampa"))->click();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(hint(), QStringLiteral("ho visualizzato i dati su WORD (")
                         + QFileInfo(m_platform->documents.last()).fileName() + QLatin1Char(')'));
    QCOMPARE(m_platform->messages.size(), 1);
}

// Dated today, the 9th, for a first call on the 12th: three days, short of the five the law
// asks. The notice is printed only on the user's word; an impossible date never.
void TestConvocazioneWindow::printAsksOverAShortNoticeAndRefusesAnImpossibleDate()
{
    m_platform->fileNames.enqueue(RegistryFixture::writeCondominium(m_dir->path(), 2));
    m_window->openArchive();
    fillValidNotice();
    type(QStringLiteral("dat1"), QStringLiteral("12/12/2026"));
    QPushButton *print = control<QPushButton>(QStringLiteral("cmdStampa"));
    print->click();
    QCOMPARE(m_platform->messages.size(), 1);
    const ScriptedPlatform::Message asked = m_platform->lastMessage();
    QVERIFY(asked.question);
    QCOMPARE(asked.title, m_state->texts.checkTitle);
    QVERIFY2(asked.text.contains(QStringLiteral("precede di 3 giorni")), qPrintable(asked.text));
    QVERIFY(asked.text.endsWith(QStringLiteral("Stampare comunque?")));
    QVERIFY(m_platform->documents.isEmpty());

    m_platform->answers.enqueue(true);
    print->click();
    QCOMPARE(m_platform->documents.size(), 1);

    type(QStringLiteral("dat2"), QStringLiteral("31/02/2027"));
    m_platform->answers.enqueue(true);
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->trigger();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(!m_platform->lastMessage().question);
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("\"31/02/2027\"")));
    QCOMPARE(m_platform->documents.size(), 1);
}

void TestConvocazioneWindow::instructionsListTheWindowsSteps()
{
    control<QPushButton>(QStringLiteral("aiuto"))->click();
    const ScriptedPlatform::Message &message = m_platform->lastMessage();
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.title, QStringLiteral("Veltra: aiuto in linea"));
    const QStringList lines = message.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("- Aprire un file archiviato con i dati dei condomini (Veltra-dati-...);"));
    QCOMPARE(lines[4], QString::fromUtf8("- non digitare dati più lunghi di  85 spazi per la stampa;"));
    QCOMPARE(lines[6], QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC."));
}

// An agenda point typed and taken back is one never typed, which the archive tells apart
// from one emptied.
void TestConvocazioneWindow::undoTakesBackTypingFieldByField()
{
    type(QStringLiteral("numer"), QStringLiteral("12"));
    type(QStringLiteral("giorn_2"), QStringLiteral("lavori"));
    QAction *undo = m_window->findChild<QAction *>(QStringLiteral("annulla"));
    undo->trigger();
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("giorn_2"))->text(), QString());
    QVERIFY(!m_window->notice().agendaPointTyped(2));
    QCOMPARE(m_window->notice().number, QStringLiteral("12"));
    QVERIFY(m_window->isWindowModified());
    undo->trigger();
    QCOMPARE(m_window->notice().number, QString());
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("numer"))->text(), QString());
    QVERIFY(!undo->isEnabled());
    QVERIFY(!m_window->isWindowModified());
    m_window->findChild<QAction *>(QStringLiteral("ripeti"))->trigger();
    QCOMPARE(m_window->notice().number, QStringLiteral("12"));
}

QTEST_MAIN(TestConvocazioneWindow)
#include "tst_convocazionewindow.moc"
