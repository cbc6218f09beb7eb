#include "core/expenses/expensefilename.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"
#include "support/workwindowfixture.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"
#include "ui/pagamenti/pagamentiwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

namespace {

const QString Marker = QStringLiteral("----------");

} // namespace

// The payments window on a series of three items and four owners: choosing the type,
// moving, typing dates with the "+" rule, the check, the letters and cards from the rows,
// the window printout's marks, the clear command and the hand-over of the condominium
// window.
class TestPagamentiWindow : public QObject, private WorkWindowFixture<PagamentiWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheSharedCondominium();
    void choosingSpeseReadsTheFirstFileAndRefreshesTheCondominiumWindow();
    void plusRepeatsTheDateAboveAndTheButtonsFollowThePayment();
    void typedDateIsUndoneAndAskedAboutBeforeMoving();
    void toolbarOpenReadsTheSeriesAgainUpToTheItem();
    void preventiviEmptiesAndLocksTheDates();
    void checkNamesTheFirstOwnerWithoutDatesUnderSpeseOnly();
    void rowButtonsPrintForTheirOwner();
    void windowPrintoutMarksAndRemindersSkipTheMarked();
    void cardButtonMarksItsOwnerAndKeepsTheType();
    void printingWithNothingLoadedIsRefused();
    void saveWritesTheTypedDatesAndAsksOverAFileChangedElsewhere();
    void datesThatAreNoDayAreRefusedByTheCheckAndTheSave();
    void clearEmptiesThisTheExpenseAndTheCondominiumWindow();
    void condominiumHandOverRunsTheOpeningAgain();
    void foreignOrCorruptItemIsNamedAndNeverCounted();

private:
    QString text(const QString &name) const { return control<QLabel>(name)->text(); }
    QString path(int k) const;
    void chooseSpese();
    void trigger(const QString &name) const { control<QAction>(name)->trigger(); }

    QTemporaryDir *m_folder = nullptr;
};

void TestPagamentiWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPagamentiWindow::init()
{
    m_folder = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(m_folder->path()));
    const QStringList shares = {QStringLiteral("400,00"), QStringLiteral("300,00"),
                                QStringLiteral("200,00"), QStringLiteral("100,00")};
    SeriesFixture::writeItem(m_folder->path(), ManagementType::Spese, QStringLiteral("Rossi"), 1,
                             {QStringLiteral("1.000,00"), QStringLiteral("pulizia"),
                              QStringLiteral("10/01/2001"), shares,
                              {QStringLiteral("15/01/2001"), QString(), QString(), QString()},
                              {}});
    SeriesFixture::writeItem(m_folder->path(), ManagementType::Spese, QStringLiteral("Rossi"), 2,
                             {QStringLiteral("100,00"), QStringLiteral("luce"),
                              QStringLiteral("10/05/2001"),
                              {QStringLiteral("40,00"), QStringLiteral("30,00"),
                               QStringLiteral("20,00"), QStringLiteral("10,00")},
                              {QString(), QStringLiteral("12/05/2001"), QString(), Marker},
                              {}});
    createState();
    m_state->condoName = QStringLiteral("Rossi");
    m_state->ownerCount = 2;
    m_state->owner(1).ownerName = QStringLiteral("Bianchi");
    m_state->owner(2).ownerName = QStringLiteral("Verdi");
    QVERIFY(openWindow(4));
}

void TestPagamentiWindow::cleanup()
{
    deleteWindow();
    QDir::setCurrent(QDir::tempPath());
    delete m_folder;
}

QString TestPagamentiWindow::path(int k) const
{
    return m_folder->filePath(ExpenseFileName::build(ManagementType::Spese, QStringLiteral("Rossi"),
                                                     2001, k));
}

void TestPagamentiWindow::chooseSpese()
{
    m_platform->fileNames.enqueue(path(1));
    control<QRadioButton>(QStringLiteral("Option1_2"))->click();
}

void TestPagamentiWindow::opensOnTheSharedCondominium()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Veltra: pagamenti delle spese[*]"));
    QCOMPARE(text(QStringLiteral("nome")), QStringLiteral("Rossi"));
    QCOMPARE(text(QStringLiteral("tot")), QStringLiteral("2"));
    QCOMPARE(text(QStringLiteral("nomcond_2")), QStringLiteral("Verdi"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("scegliere il tipo di gestione (preventivi o spese)"));
    QVERIFY(control<QPushButton>(QStringLiteral("unsollecito_1"))->isEnabled());
    QVERIFY(!control<QPushButton>(QStringLiteral("unaricevuta_3"))->isEnabled());
    QVERIFY(!control<QAction>(QStringLiteral("salvanome"))->isEnabled());
    QCOMPARE(control<QPushButton>(QStringLiteral("unsollecito_1"))->toolTip(),
             QStringLiteral("cliccare per stampare il sollecito di pagamento al singolo condomino "
                            "(data del sollecito in automatico)"));
}

void TestPagamentiWindow::choosingSpeseReadsTheFirstFileAndRefreshesTheCondominiumWindow()
{
    m_shell->showWorkWindow(1);
    auto *dati = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    chooseSpese();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(text(QStringLiteral("tot")), QStringLiteral("4"));
    QCOMPARE(text(QStringLiteral("ann")), QStringLiteral("Anno  2001"));
    QCOMPARE(text(QStringLiteral("spesatotale")), QStringLiteral("1.000,00"));
    QCOMPARE(text(QStringLiteral("totanno")), QStringLiteral("1.000,00"));
    QCOMPARE(text(QStringLiteral("totspe")), QStringLiteral("2"));
    QCOMPARE(text(QStringLiteral("spe_1")), QStringLiteral("400,00"));
    QCOMPARE(text(QStringLiteral("pagann_1")), QStringLiteral("400,00"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("pag_1"))->text(), QStringLiteral("15/01/2001"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("immettere eventuali date di pagamento o di sollecito, correggere, "
                            "archiviare quanto immesso, digitare ulteriori dati, stampare"));
    QCOMPARE(dati->findChild<QLineEdit *>(QStringLiteral("nomcond_3"))->text(),
             QStringLiteral("Condomino 3"));

    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    QCOMPARE(text(QStringLiteral("ns")), QStringLiteral("2"));
    QCOMPARE(text(QStringLiteral("totanno")), QStringLiteral("1.100,00"));
    QCOMPARE(text(QStringLiteral("pagann_1")), QStringLiteral("440,00"));
    // Item 3 has no file: its fields and shares show empty.
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(3);
    QVERIFY(text(QStringLiteral("spesatotale")).isEmpty());
    QVERIFY(text(QStringLiteral("spe_1")).isEmpty());
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("prelevare i dati dall'archivio o andare alla finestra Spese (creare "
                            "un file delle spese)"));
}

void TestPagamentiWindow::plusRepeatsTheDateAboveAndTheButtonsFollowThePayment()
{
    chooseSpese();
    control<QLineEdit>(QStringLiteral("pag_2"))->setText(QStringLiteral("20/01/2001"));
    control<QLineEdit>(QStringLiteral("pag_3"))->setText(QStringLiteral("+"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("pag_3"))->text(), QStringLiteral("20/01/2001"));
    QCOMPARE(m_state->owner(3).paymentDate, QStringLiteral("20/01/2001"));
    QVERIFY(!control<QPushButton>(QStringLiteral("unsollecito_3"))->isEnabled());
    QVERIFY(!control<QPushButton>(QStringLiteral("unaricevuta_3"))->isEnabled());
    control<QLineEdit>(QStringLiteral("pag_3"))->clear();
    QVERIFY(control<QPushButton>(QStringLiteral("unaricevuta_3"))->isEnabled());

    // The first row has no row above: owner 1 keeps the "+", owner 2 takes owner 1's date.
    control<QLineEdit>(QStringLiteral("soll_1"))->setText(QStringLiteral("+"));
    QCOMPARE(m_state->owner(1).reminderDate, QStringLiteral("+"));
    control<QScrollBar>(QStringLiteral("VScroll1"))->setValue(2);
    QCOMPARE(text(QStringLiteral("num_1")), QStringLiteral("2"));
    control<QLineEdit>(QStringLiteral("pag_1"))->setText(QStringLiteral("+"));
    QCOMPARE(m_state->owner(2).paymentDate, QStringLiteral("15/01/2001"));
}

// Moving to another item reads the item files again over the typed dates: it asks first.
void TestPagamentiWindow::typedDateIsUndoneAndAskedAboutBeforeMoving()
{
    chooseSpese();
    QLineEdit *date = control<QLineEdit>(QStringLiteral("pag_3"));
    date->setText(QStringLiteral("30/01/2001"));
    QVERIFY(m_window->isWindowModified());
    trigger(QStringLiteral("annulla"));
    QVERIFY(date->text().isEmpty());
    QVERIFY(m_state->owner(3).paymentDate.isEmpty());
    QVERIFY(!m_window->isWindowModified());
    trigger(QStringLiteral("ripeti"));
    QCOMPARE(m_state->owner(3).paymentDate, QStringLiteral("30/01/2001"));

    m_platform->choices.enqueue(2);
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Salvare le modifiche?"));
    QCOMPARE(m_window->itemNumber(), 1);
    QCOMPARE(date->text(), QStringLiteral("30/01/2001"));
    m_platform->choices.enqueue(1);
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(1);
    QVERIFY(date->text().isEmpty());
    QVERIFY(m_state->owner(3).paymentDate.isEmpty());
    QCOMPARE(m_platform->unscripted, 0);
}

void TestPagamentiWindow::toolbarOpenReadsTheSeriesAgainUpToTheItem()
{
    chooseSpese();
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    control<QLineEdit>(QStringLiteral("pag_1"))->setText(QStringLiteral("01/06/2001"));
    m_state->owner(1).ownerRunningTotal = 0;
    m_platform->choices.enqueue(1); // the typed date is not saved first
    control<QAction>(QStringLiteral("button1"))->trigger();
    QVERIFY(m_state->owner(1).paymentDate.isEmpty());
    QCOMPARE(m_state->owner(1).ownerRunningTotal, 440.0);
    QCOMPARE(m_window->itemNumber(), 2);
    QCOMPARE(m_platform->dialogs.size(), 1);
}

void TestPagamentiWindow::preventiviEmptiesAndLocksTheDates()
{
    chooseSpese();
    control<QRadioButton>(QStringLiteral("Option1_1"))->click();
    QVERIFY(!control<QLineEdit>(QStringLiteral("pag_1"))->isEnabled());
    QVERIFY(!control<QLineEdit>(QStringLiteral("soll_4"))->isEnabled());
    QVERIFY(m_state->owner(1).paymentDate.isEmpty());
    QVERIFY(control<QLineEdit>(QStringLiteral("pag_1"))->text().isEmpty());
    control<QRadioButton>(QStringLiteral("Option1_2"))->click();
    QVERIFY(control<QLineEdit>(QStringLiteral("pag_1"))->isEnabled());
}

void TestPagamentiWindow::checkNamesTheFirstOwnerWithoutDatesUnderSpeseOnly()
{
    chooseSpese();
    trigger(QStringLiteral("controllo"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Condomino n. 2:\n- digitare la data del sollecito."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    for (int r = 2; r <= 4; ++r)
        control<QLineEdit>(QStringLiteral("soll_%1").arg(r))->setText(QStringLiteral("01/02/2001"));
    trigger(QStringLiteral("controllo"));
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("I dati sono stati immessi correttamente."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
}

void TestPagamentiWindow::rowButtonsPrintForTheirOwner()
{
    chooseSpese();
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    control<QPushButton>(QStringLiteral("unaricevuta_3"))->click();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(m_state->owner(3).paymentDate, QStringLiteral("09/12/2026"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("pag_3"))->text(), QStringLiteral("09/12/2026"));
    QVERIFY(!control<QPushButton>(QStringLiteral("unsollecito_3"))->isEnabled());
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato il documento ")
                                            + QFileInfo(m_platform->documents.last()).fileName());

    // The receipt saved stores the date in the file of item 2 only.
    trigger(QStringLiteral("salva"));
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(1);
    QVERIFY(m_state->owner(3).paymentDate.isEmpty());
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    QCOMPARE(m_state->owner(3).paymentDate, QStringLiteral("09/12/2026"));
}

void TestPagamentiWindow::windowPrintoutMarksAndRemindersSkipTheMarked()
{
    chooseSpese();
    trigger(QStringLiteral("stampafinestra"));
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(control<QLineEdit>(QStringLiteral("pag_2"))->text(), Marker);
    QCOMPARE(control<QLineEdit>(QStringLiteral("soll_1"))->text(), Marker);
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato i dati su WORD (")
                                            + QFileInfo(m_platform->documents.last()).fileName()
                                            + QLatin1Char(')'));
    trigger(QStringLiteral("sollecitiamo"));
    QCOMPARE(m_platform->documents.size(), 2);
    QCOMPARE(m_state->owner(2).reminderDate, Marker);
}

void TestPagamentiWindow::cardButtonMarksItsOwnerAndKeepsTheType()
{
    chooseSpese();
    control<QRadioButton>(QStringLiteral("sched_2"))->click();
    QCOMPARE(m_platform->documents.size(), 1);
    QVERIFY(m_state->owner(2).cardPrinted);
    QVERIFY(control<QRadioButton>(QStringLiteral("sched_2"))->isChecked());
    QVERIFY(!control<QRadioButton>(QStringLiteral("sched_1"))->isChecked());
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1_2"))->isChecked());
    // The card leaves the window on the last archived item.
    QCOMPARE(m_window->itemNumber(), 2);
    QCOMPARE(text(QStringLiteral("ns")), QStringLiteral("2"));
    trigger(QStringLiteral("bilancio"));
    QCOMPARE(m_platform->documents.size(), 2);
}

void TestPagamentiWindow::printingWithNothingLoadedIsRefused()
{
    for (const char *entry : {"stampafinestra", "stampatutto", "sollecitiamo", "riceviamo",
                              "schedatutti", "bilancio"})
        trigger(QString::fromLatin1(entry));
    QCOMPARE(m_platform->messages.size(), 6);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Non vi è nulla da stampare: prelevare i dati dall'archivio."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Exclamation);
    QVERIFY(m_platform->documents.isEmpty());
    QVERIFY(!m_state->owner(1).cardPrinted);
}

void TestPagamentiWindow::saveWritesTheTypedDatesAndAsksOverAFileChangedElsewhere()
{
    chooseSpese();
    control<QLineEdit>(QStringLiteral("soll_2"))->setText(QStringLiteral("03/02/2001"));
    trigger(QStringLiteral("salva"));
    QVERIFY(m_platform->messages.isEmpty());
    QFile file(path(1));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray other = file.readAll();
    QVERIFY(other.contains("\r\n,\"03/02/2001\"\r\n"));

    // Another program rewrites the item: the next save asks before replacing it.
    other.replace("pulizia", "pulizie");
    QVERIFY(file.seek(0));
    file.write(other);
    file.close();
    control<QLineEdit>(QStringLiteral("soll_2"))->setText(QStringLiteral("04/02/2001"));
    m_platform->choices.enqueue(1); // Annulla
    trigger(QStringLiteral("salva"));
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("modificato da un altro programma")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), other);
    file.close();
    m_platform->choices.enqueue(0); // Sovrascrivi
    trigger(QStringLiteral("salva"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\r\n,\"04/02/2001\"\r\n"));
    QCOMPARE(m_platform->unscripted, 0);
}

// A payment date that is no day of the calendar would count the owner as paid: the check
// and the save refuse it, naming the owner, the field and the item.
void TestPagamentiWindow::datesThatAreNoDayAreRefusedByTheCheckAndTheSave()
{
    chooseSpese();
    QFile file(path(1));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QString howTo = QStringLiteral(" non è una data del calendario: scriverla nella "
                                         "forma gg/mm/aaaa (per esempio 15/01/2026) oppure "
                                         "lasciarla vuota.");
    for (const QString &date : {QStringLiteral("31/02/2026"), QStringLiteral("non pagato"),
                                QStringLiteral("00/00/0000"), QStringLiteral("2026-13-01")}) {
        control<QLineEdit>(QStringLiteral("pag_3"))->setText(date);
        m_platform->messages.clear();
        trigger(QStringLiteral("controllo"));
        trigger(QStringLiteral("salva"));
        const QString reason = QStringLiteral("Condomino n. 3:\n- la data del pagamento della "
                                              "spesa n. 1 \"") + date + QLatin1Char('"') + howTo;
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages[0].text, reason);
        QCOMPARE(m_platform->messages[1].text, reason);
    }
    control<QLineEdit>(QStringLiteral("pag_3"))->setText(QStringLiteral("15/01/2001"));
    control<QLineEdit>(QStringLiteral("soll_4"))->setText(QStringLiteral("30/02/2001"));
    m_platform->messages.clear();
    trigger(QStringLiteral("salva"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Condomino n. 4:\n- la data del sollecito della spesa n. 1 "
                            "\"30/02/2001\"") + howTo);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // The marker of the printouts and an empty date are no faults.
    control<QLineEdit>(QStringLiteral("soll_4"))->setText(Marker);
    control<QLineEdit>(QStringLiteral("pag_3"))->clear();
    m_platform->messages.clear();
    trigger(QStringLiteral("salva"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestPagamentiWindow::clearEmptiesThisTheExpenseAndTheCondominiumWindow()
{
    m_shell->showWorkWindow(1);
    chooseSpese();
    trigger(QStringLiteral("cancella"));
    QCOMPARE(m_state->ownerCount, 0);
    QVERIFY(m_state->owner(1).ownerName.isEmpty());
    QVERIFY(text(QStringLiteral("nome")).isEmpty());
    QCOMPARE(text(QStringLiteral("tot")), QStringLiteral("0"));
    QVERIFY(control<QLineEdit>(QStringLiteral("pag_1"))->text().isEmpty());
    QVERIFY(!control<QRadioButton>(QStringLiteral("Option1_2"))->isChecked());
    QVERIFY(m_window->ledger().archiveFileName().isEmpty());
    auto *dati = m_shell->existingWorkWindow(1);
    QVERIFY(dati->findChild<QLineEdit *>(QStringLiteral("nomcond_1"))->text().isEmpty());
    QVERIFY(m_shell->existingWorkWindow(2));
    // The next choice asks for a first file again.
    chooseSpese();
    QCOMPARE(m_platform->dialogs.size(), 2);
}

void TestPagamentiWindow::condominiumHandOverRunsTheOpeningAgain()
{
    m_shell->showWorkWindow(1);
    auto *dati = m_shell->existingWorkWindow(1);
    m_state->condoName = QStringLiteral("Gialli");
    dati->findChild<QAction *>(QStringLiteral("finestra4"))->trigger();
    QCOMPARE(text(QStringLiteral("nome")), QStringLiteral("Gialli"));
}

// Item 2 belongs to another condominium: moving to it, the balance and Salva name it and
// never take its name; a corrupt first item is named when the series is chosen.
void TestPagamentiWindow::foreignOrCorruptItemIsNamedAndNeverCounted()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    SeriesFixture::writeItemNamedFor(m_folder->path(), ManagementType::Spese,
                                     QStringLiteral("Le Rose"), QStringLiteral("Rossi"), 2001, 2,
                                     {QStringLiteral("2,00"), QStringLiteral("x"),
                                      QStringLiteral("10/02/2001"), shares, {}, {}});
    chooseSpese();
    QVERIFY(m_platform->messages.isEmpty());
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(2);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(m_platform->lastMessage().text.startsWith(
        QStringLiteral("La spesa n.2 (file \"Veltra-spese-Rossi- 2001 2\")")));
    QCOMPARE(text(QStringLiteral("nome")), QStringLiteral("Rossi"));
    QCOMPARE(text(QStringLiteral("ns")), QStringLiteral("1"));

    trigger(QStringLiteral("bilancio"));
    QCOMPARE(m_platform->messages.size(), 2);
    QVERIFY(m_platform->documents.isEmpty());
    trigger(QStringLiteral("salva"));
    QCOMPARE(QDir(m_folder->path()).entryList({QStringLiteral("*Le Rose*")}), QStringList());

    QFile first(path(1));
    QVERIFY(first.open(QIODevice::ReadWrite));
    QByteArray bytes = first.readAll();
    bytes.replace("\"15/01/2001\"", "\"non pagato\"");
    first.resize(0);
    first.write(bytes);
    first.close();
    control<QAction>(QStringLiteral("cancella"))->trigger();
    chooseSpese();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("\"non pagato\"")));
}

QTEST_MAIN(TestPagamentiWindow)
#include "tst_pagamentiwindow.moc"
