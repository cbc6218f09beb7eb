#include "core/expenses/expensefilename.h"
#include "core/expenses/expenseseries.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"
#include "ui/spese/spesewindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

// The expense window on its item files: opening through the dialog, saving, moving through
// the series, copying to the end, exporting a budget item, and the printouts.
class TestSpeseWindowSeries : public QObject, private WorkWindowFixture<SpeseWindow>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveAndReopenRoundTrip();
    void datesThatAreNoDayAreRefusedByTheCheckAndTheSave();
    void movingPastAnItemWithoutAmountStepsBack();
    void leavingAChangedItemForAFileAsksFirst();
    void saveOverAnItemChangedElsewhereAsks();
    void dialogAsksAgainForTheFirstFile();
    void copyToEndAfterEveryItemWasShown();
    void copyToEndWithLaterItemsNotInMemoryStepsBack();
    void fullSeriesRefusesCopyToEnd();
    void exportOfBudgetItemThree();
    void printCommandsHandOverOrRefuse();
    void openedItemMarksOnlyItsOwnCriterion();
    void corruptItemIsNamedAndChangesNothing();

private:
    void type(const QString &name, const QString &text) const;
    QString path(ManagementType type, int k) const;
    // Chooses management option j with the open dialog answering fileName.
    void chooseType(int j, const QString &fileName = QString());
    void fillItem(int k, const QString &date = QStringLiteral("10/01/2001"));
    void save();
    void saveSeries(int j, int items);

    QTemporaryDir *m_folder = nullptr;
};

void TestSpeseWindowSeries::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSpeseWindowSeries::init()
{
    m_folder = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(m_folder->path()));
    createState();
    m_state->condoName = QStringLiteral("Rossi");
    for (double m : {500.0, 300.0, 200.0}) {
        const int i = RegistryFixture::addOwner(
            *m_state, QStringLiteral("Condomino %1").arg(m_state->ownerCount + 1),
            QString::number(m_state->ownerCount), {});
        m_state->owner(i).ownerMillesimi = Cell::fromNumber(m);
    }
    QVERIFY(openWindow(2));
    control<QPushButton>(QStringLiteral("tutti"))->click();
    control<QRadioButton>(QStringLiteral("Option1_1"))->click();
}

void TestSpeseWindowSeries::cleanup()
{
    deleteWindow();
    QDir::setCurrent(QDir::tempPath());
    delete m_folder;
}

void TestSpeseWindowSeries::type(const QString &name, const QString &text) const
{
    control<QLineEdit>(name)->setText(text);
}

QString TestSpeseWindowSeries::path(ManagementType type, int k) const
{
    return m_folder->filePath(ExpenseFileName::build(type, QStringLiteral("Rossi"), 2001, k));
}

void TestSpeseWindowSeries::chooseType(int j, const QString &fileName)
{
    m_platform->fileNames.enqueue(fileName);
    control<QRadioButton>(QStringLiteral("Option2_%1").arg(j))->click();
}

void TestSpeseWindowSeries::fillItem(int k, const QString &date)
{
    type(QStringLiteral("spesatotale"), QString::number(100 * k));
    type(QStringLiteral("tipospesa"), QStringLiteral("voce %1").arg(k));
    type(QStringLiteral("dataspesa"), date);
}

void TestSpeseWindowSeries::save()
{
    m_window->findChild<QAction *>(QStringLiteral("salva"))->trigger();
}

// Items 1 to `items` of the series of type j typed and saved one after the other.
void TestSpeseWindowSeries::saveSeries(int j, int items)
{
    chooseType(j);
    const ManagementType kind = j == 1 ? ManagementType::Preventivi : ManagementType::Spese;
    for (int k = 1; k <= items; ++k) {
        if (k > 1)
            m_window->setItemNumber(k);
        QCOMPARE(m_window->itemNumber(), k);
        fillItem(k);
        save();
        QVERIFY2(QFile::exists(path(kind, k)), qPrintable(path(kind, k)));
    }
}

void TestSpeseWindowSeries::saveAndReopenRoundTrip()
{
    chooseType(2);
    QCOMPARE(m_platform->dialogs.last().title, QStringLiteral("Apri file"));
    QCOMPARE(m_platform->dialogs.last().selectedFilter, 2);
    fillItem(1);
    control<QRadioButton>(QStringLiteral("Option1_2"))->click();
    type(QStringLiteral("perc_1"), QStringLiteral("10"));
    type(QStringLiteral("perc_2"), QStringLiteral("0"));
    type(QStringLiteral("perc_3"), QStringLiteral("0"));
    control<QCheckBox>(QStringLiteral("Check1_3"))->click();
    const QString share1 = control<QLabel>(QStringLiteral("spe_1"))->text();
    QCOMPARE(share1, QStringLiteral("66,25")); // 10 + 500 × 90/800
    save();
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(QFile::exists(path(ManagementType::Spese, 1)));

    m_shell->showWorkWindow(1);
    auto *dati = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    m_window->clearWindow();
    QCOMPARE(m_state->ownerCount, 0);
    chooseType(2, path(ManagementType::Spese, 1));

    QCOMPARE(control<QLineEdit>(QStringLiteral("spesatotale"))->text(), QStringLiteral("100"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 1"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("dataspesa"))->text(), QStringLiteral("10/01/2001"));
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1_2"))->isChecked());
    QCOMPARE(control<QLabel>(QStringLiteral("tot"))->text(), QStringLiteral("3"));
    QCOMPARE(control<QLabel>(QStringLiteral("nomcond_2"))->text(), QStringLiteral("Condomino 2"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("perc_1"))->text(), QStringLiteral("10"));
    QVERIFY(!control<QCheckBox>(QStringLiteral("Check1_3"))->isChecked());
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), share1);
    QCOMPARE(control<QLabel>(QStringLiteral("nome"))->text(), QStringLiteral("Rossi"));
    // The condominium window shows the owners read from the file.
    QCOMPARE(dati->findChild<QLineEdit *>(QStringLiteral("nomcond_1"))->text(),
             QStringLiteral("Condomino 1"));
    QCOMPARE(dati->ownerTop(), 1);
}

// The check and the save give the same reason, naming the field and the date as typed.
void TestSpeseWindowSeries::datesThatAreNoDayAreRefusedByTheCheckAndTheSave()
{
    chooseType(2);
    for (const QString &date : {QStringLiteral("31/02/2026"), QStringLiteral("10 gennaio"),
                                QStringLiteral("2026-13-01")}) {
        fillItem(1, date);
        const QString reason = QStringLiteral("La data della spesa n. 1 \"") + date
            + QStringLiteral("\" non è una data del calendario: scriverla nella forma "
                             "gg/mm/aaaa (per esempio 15/01/2026).");
        m_platform->messages.clear();
        m_window->checkData();
        save();
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages[0].text, reason);
        QCOMPARE(m_platform->messages[0].icon, MessageIcon::Critical);
        QCOMPARE(m_platform->messages[1].text, reason);
        QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    }
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
    fillItem(1, QStringLiteral("28/02/2026"));
    save();
    QVERIFY(QFile::exists(m_folder->filePath(
        ExpenseFileName::build(ManagementType::Spese, QStringLiteral("Rossi"), 2026, 1))));
}

void TestSpeseWindowSeries::movingPastAnItemWithoutAmountStepsBack()
{
    saveSeries(2, 1);
    control<QScrollBar>(QStringLiteral("VScroll2"))->setValue(3);
    QCOMPARE(m_window->itemNumber(), 2);
    QCOMPARE(control<QPushButton>(QStringLiteral("ns"))->text(), QStringLiteral("2"));
    QVERIFY(control<QLineEdit>(QStringLiteral("spesatotale"))->text().isEmpty());
    QVERIFY(control<QLabel>(QStringLiteral("spe_1"))->text().isEmpty());
    QCOMPARE(control<QLabel>(QStringLiteral("totspe"))->text(), QStringLiteral("1"));
}

// Item 1's amount changed from 100 to 150; item 2 is on file. Annulla stays on item 1,
// Salva writes 150 into item 1's own file before item 2 is read; another series asks too.
void TestSpeseWindowSeries::leavingAChangedItemForAFileAsksFirst()
{
    saveSeries(2, 2);
    m_window->setItemNumber(1);
    type(QStringLiteral("spesatotale"), QStringLiteral("150"));
    m_platform->messages.clear();

    m_platform->choices.enqueue(2);
    m_window->setItemNumber(2);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Salvare le modifiche?"));
    QCOMPARE(m_window->itemNumber(), 1);
    QCOMPARE(control<QPushButton>(QStringLiteral("ns"))->text(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("spesatotale"))->text(), QStringLiteral("150"));

    m_platform->choices.enqueue(0);
    m_window->setItemNumber(2);
    QCOMPARE(m_window->itemNumber(), 2);
    QCOMPARE(control<QLineEdit>(QStringLiteral("spesatotale"))->text(), QStringLiteral("200"));
    QFile first(path(ManagementType::Spese, 1));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QVERIFY(first.readLine().contains(",\"150\","));
    QVERIFY(!m_window->isWindowModified());

    type(QStringLiteral("tipospesa"), QStringLiteral("voce due"));
    m_platform->choices.enqueue(2);
    chooseType(1);
    QVERIFY(control<QRadioButton>(QStringLiteral("Option2_2"))->isChecked());
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce due"));
    QCOMPARE(m_platform->messages.size(), 3);
    m_platform->fileNames.clear();
    QCOMPARE(m_platform->unscripted, 0);
}

// Another program rewrote item 1 after this window saved it: the save asks, Annulla keeps
// the other program's file, Sovrascrivi writes the window's item.
void TestSpeseWindowSeries::saveOverAnItemChangedElsewhereAsks()
{
    saveSeries(2, 1);
    QFile file(path(ManagementType::Spese, 1));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray other = file.readAll();
    other.replace("voce 1", "voce X");
    QVERIFY(file.seek(0));
    file.write(other);
    file.close();
    auto contents = [&file] {
        file.open(QIODevice::ReadOnly);
        const QByteArray read = file.readAll();
        file.close();
        return read;
    };

    m_platform->choices.enqueue(1);
    save();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("modificato da un altro programma")));
    QCOMPARE(m_platform->lastMessage().buttons,
             (QStringList{QStringLiteral("Sovrascrivi"), QStringLiteral("Annulla")}));
    QCOMPARE(contents(), other);

    m_platform->choices.enqueue(0);
    save();
    QVERIFY(contents().contains("\"voce 1\""));
    const int questions = m_platform->messages.size();
    save();
    QCOMPARE(m_platform->messages.size(), questions);
    QCOMPARE(m_platform->unscripted, 0);
}

void TestSpeseWindowSeries::dialogAsksAgainForTheFirstFile()
{
    saveSeries(2, 2);
    m_window->clearWindow();
    chooseType(2); // cancelled: nothing opened, nothing asked
    QCOMPARE(m_state->ownerCount, 0);
    QVERIFY(m_platform->messages.isEmpty());

    m_window->clearWindow();
    m_platform->fileNames.enqueue(path(ManagementType::Spese, 2));
    chooseType(2, path(ManagementType::Spese, 1));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Bisogna aprire il primo file."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->dialogs.size(), 4);
    QCOMPARE(m_state->ownerCount, 3);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 1"));
    QCOMPARE(m_platform->unscripted, 0);
}

void TestSpeseWindowSeries::copyToEndAfterEveryItemWasShown()
{
    saveSeries(2, 4);
    m_window->setItemNumber(2);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 2"));
    control<QPushButton>(QStringLiteral("ns"))->click();
    QVERIFY(QFile::exists(path(ManagementType::Spese, 5)));
    QCOMPARE(m_window->itemNumber(), 5);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 2"));
    QCOMPARE(m_state->item(5).expenseAmount, QStringLiteral("200"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSpeseWindowSeries::copyToEndWithLaterItemsNotInMemoryStepsBack()
{
    saveSeries(2, 4);
    m_window->clearWindow();
    chooseType(2, path(ManagementType::Spese, 1));
    m_window->setItemNumber(2);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 2"));
    control<QPushButton>(QStringLiteral("ns"))->click();
    QVERIFY(!QFile::exists(path(ManagementType::Spese, 5)));
    QCOMPARE(m_window->itemNumber(), 3);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 3"));
}

void TestSpeseWindowSeries::fullSeriesRefusesCopyToEnd()
{
    saveSeries(2, 1);
    for (int k = 2; k <= MaxItems; ++k)
        QVERIFY(QFile::copy(path(ManagementType::Spese, 1), path(ManagementType::Spese, k)));
    QFile last(path(ManagementType::Spese, MaxItems));
    QVERIFY(last.open(QIODevice::ReadOnly));
    const QByteArray before = last.readAll();
    last.close();
    type(QStringLiteral("tipospesa"), QStringLiteral("cambiata"));

    control<QPushButton>(QStringLiteral("ns"))->click();
    QCOMPARE(m_platform->lastMessage().text, ExpenseSeries::seriesFullMessage());
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QCOMPARE(m_window->itemNumber(), 1);
    QVERIFY(last.open(QIODevice::ReadOnly));
    QCOMPARE(last.readAll(), before);
    // The suppression of the move is not left behind: the next move loads.
    m_platform->choices.enqueue(1); // "cambiata" is not saved
    m_window->setItemNumber(2);
    QCOMPARE(control<QLineEdit>(QStringLiteral("tipospesa"))->text(), QStringLiteral("voce 1"));
}

void TestSpeseWindowSeries::exportOfBudgetItemThree()
{
    saveSeries(1, 3);
    QVERIFY(control<QPushButton>(QStringLiteral("esport"))->isEnabled());
    control<QPushButton>(QStringLiteral("esport"))->click();
    QVERIFY(QFile::exists(path(ManagementType::Spese, 3)));
    QVERIFY(!QFile::exists(path(ManagementType::Spese, 1)));
    QCOMPARE(m_window->itemNumber(), 1);
    QVERIFY(control<QRadioButton>(QStringLiteral("Option2_2"))->isChecked());
    QVERIFY(!control<QPushButton>(QStringLiteral("esport"))->isEnabled());
    QCOMPARE(m_window->series().type(), ManagementType::Spese);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->dialogs.size(), 1); // only the budget's first open
}

void TestSpeseWindowSeries::printCommandsHandOverOrRefuse()
{
    saveSeries(2, 3);
    m_window->setItemNumber(2);
    m_window->printAllAllocations();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(m_window->itemNumber(), 4);
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato i dati su WORD (")
                                            + QFileInfo(m_platform->documents.last()).fileName()
                                            + QLatin1Char(')'));

    m_window->setItemNumber(1);
    m_window->printPaymentNotices();
    QCOMPARE(m_platform->documents.size(), 2);
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato il documento ")
                                            + QFileInfo(m_platform->documents.last()).fileName());

    // An item the check refuses is printed by no command.
    control<QLineEdit>(QStringLiteral("spesatotale"))->clear();
    m_window->printAllocation();
    m_window->printPaymentNotices();
    QCOMPARE(m_platform->documents.size(), 2);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Digitare la somma da ripartire."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);

    m_window->clearWindow();
    m_window->printAllocation();
    QCOMPARE(m_platform->documents.size(), 2);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Non vi è nulla da stampare: prelevare i dati dall'archivio."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Exclamation);
}

// The condominium's heating basis marks the heating criterion when the window is set up
// again on an item without amount; an item saved "per millesimi" opened afterwards leaves
// that one marked alone.
void TestSpeseWindowSeries::openedItemMarksOnlyItsOwnCriterion()
{
    chooseType(2);
    fillItem(1);
    save();
    QVERIFY(QFile::exists(path(ManagementType::Spese, 1)));

    m_state->heatingBasis = 1;
    type(QStringLiteral("spesatotale"), QString());
    m_window->reinitialiseFromSharedState();
    QCOMPARE(m_state->calcType, 3);
    m_platform->choices.enqueue(1); // the emptied amount is not saved
    m_platform->fileNames.enqueue(path(ManagementType::Spese, 1));
    m_window->findChild<QAction *>(QStringLiteral("apri"))->trigger();

    QCOMPARE(m_state->calcType, 1);
    QStringList marked;
    for (int j = 1; j <= 6; ++j) {
        if (control<QRadioButton>(QStringLiteral("Option1_%1").arg(j))->isChecked())
            marked << QString::number(j);
    }
    QCOMPARE(marked, QStringList{QStringLiteral("1")});
}

void TestSpeseWindowSeries::corruptItemIsNamedAndChangesNothing()
{
    saveSeries(2, 1);
    QFile file(path(ManagementType::Spese, 1));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("\"100\""));
    bytes.replace("\"100\"", "\"mille\"");
    file.resize(0);
    file.write(bytes);
    file.close();
    const int shown = m_platform->messages.size();
    m_window->findChild<QAction *>(QStringLiteral("apri"))->trigger();
    QCOMPARE(m_platform->messages.size(), shown + 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->lastMessage().text,
             QString::fromUtf8("Il file \"Veltra-spese-Rossi- 2001 1\" non è stato letto: riga 1, "
                               "la somma da ripartire: \"mille\" non è un numero."));
    QCOMPARE(m_state->item(1).expenseAmount, QStringLiteral("100"));
}

QTEST_MAIN(TestSpeseWindowSeries)
#include "tst_spesewindowseries.moc"
