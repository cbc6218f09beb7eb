#include "core/accounts/accountsfile.h"
#include "core/accounts/finalaccountfile.h"
#include "core/expenses/expensearchive.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/contabilita/contabilitaform.h"
#include "ui/contabilita/contabilitawindow.h"
#include "ui/contabilita/rendicontopanel.h"
#include "ui/dati/datiwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

namespace {

const QString SampleName = QStringLiteral("Condominio Le Magnolie");

} // namespace

// The accounts window on the sample condominium: the register begun beside the archive, a
// share receipt entered in the window and found in the payments' series, the accounts saved.
class TestContabilitaWindow : public QObject, public WorkWindowFixture<ContabilitaWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registerIsBegunWithThePaymentsAlreadyRecorded();
    void shareReceiptEnteredHereIsPaidInTheSeries();
    void accountsEditedAreUnsavedUntilSaved();
    void bankStatementPaysTheNamedOwnerOnceOnly();
    void rendicontoInputsAreWrittenAtOnceAndBadOnesRefused();
    void closingCarriesTheBalancesAndLocksTheYearUntilReopened();
    void fundMovementsStayWithTheirFundWhenAnotherIsRemoved();
    void rendicontoPrintsAreRefusedWhileATransferHasOneLeg();

private:
    QTemporaryDir m_folder;
    QString m_archive;
};

void TestContabilitaWindow::init()
{
    const QDir folder(m_folder.path());
    for (const QString &name : folder.entryList(QDir::Files))
        QVERIFY(QFile::remove(folder.filePath(name)));
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const QString &name : sample.entryList(QDir::Files)) {
        QVERIFY(QFile::copy(sample.filePath(name), m_folder.filePath(name)));
        QFile::setPermissions(m_folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::remove(m_folder.filePath(AccountsFile::fileName(SampleName, 2026)));
    m_archive = m_folder.filePath(QStringLiteral("Veltra-dati-") + SampleName);
    createState();
    m_platform->fileNames.enqueue(m_archive);
    QVERIFY(openWindow(1) == nullptr);
    qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1))->openArchive();
    m_platform->messages.clear();
    m_shell->showWorkWindow(ContabilitaWindow::Number);
    m_window = qobject_cast<ContabilitaWindow *>(m_shell->existingWorkWindow(ContabilitaWindow::Number));
    QVERIFY(m_window);
    m_window->controls().esercizio->setValue(2026);
    m_platform->answers.enqueue(true);
    m_window->openArchive();
    QVERIFY(m_window->year().isOpen());
    m_platform->messages.clear();
}

void TestContabilitaWindow::cleanup()
{
    deleteWindow();
}

void TestContabilitaWindow::registerIsBegunWithThePaymentsAlreadyRecorded()
{
    QVERIFY(QFile::exists(m_folder.filePath(AccountsFile::fileName(SampleName, 2026))));
    // The series records 14 payment days (8 of item 1, 5 of item 2, 1 of item 3).
    QCOMPARE(m_window->controls().movimenti->rowCount(), 14);
    QCOMPARE(m_window->controls().movimenti->item(0, 1)->text(), QStringLiteral("26/01/2026"));
    QCOMPARE(m_window->controls().conti->rowCount(), 2);
    // Owner 3 owes 56,69 + 855,83 + 325,26 + 883,80 and paid the first two.
    QTableWidget *balances = m_window->controls().saldi;
    QCOMPARE(balances->item(2, 0)->text(), QStringLiteral("3"));
    QCOMPARE(balances->item(2, 3)->text(), QStringLiteral("2.121,58"));
    QCOMPARE(balances->item(2, 5)->text(), QStringLiteral("1.209,06"));
    QVERIFY(!m_window->hasUnsavedChanges());
}

void TestContabilitaWindow::shareReceiptEnteredHereIsPaidInTheSeries()
{
    ContabilitaForm &form = m_window->controls();
    m_window->showMovement(0);
    form.causale->setCurrentIndex(int(MovementCause::Share));
    form.condomino->setCurrentIndex(form.condomino->findData(3));
    form.voce->setValue(3);
    QCOMPARE(form.importo->text(), QStringLiteral("325,26"));
    form.dataoperazione->setText(QStringLiteral("02/04/2026"));
    form.dataregistrazione->setText(QStringLiteral("03/04/2026"));
    form.registra->click();
    QCOMPARE(m_platform->messages.size(), 0);
    QCOMPARE(form.movimenti->rowCount(), 15);
    const QString item3 = m_folder.filePath(QStringLiteral("Veltra-spese-") + SampleName + QStringLiteral("- 2026 3"));
    QCOMPARE(ExpenseArchive::load(item3, true).owners.at(2).paymentDate, QStringLiteral("02/04/2026"));
    // An amount that is not a number is refused before anything is written.
    m_window->showMovement(0);
    form.importo->setText(QStringLiteral("dieci"));
    form.registra->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(form.movimenti->rowCount(), 15);
}

void TestContabilitaWindow::accountsEditedAreUnsavedUntilSaved()
{
    QTableWidget *accounts = m_window->controls().conti;
    accounts->item(0, 1)->setText(QStringLiteral("IT60 X054 2811 1010 0000 0123 456"));
    accounts->item(0, 3)->setText(QStringLiteral("4.210,35"));
    QVERIFY(m_window->hasUnsavedChanges());
    m_window->saveArchive();
    QVERIFY(!m_window->hasUnsavedChanges());
    const AccountsFile::LoadResult file = AccountsFile::load(m_folder.filePath(AccountsFile::fileName(SampleName, 2026)));
    QCOMPARE(file.accounts.accounts.first().openingCents, 421035);
    QCOMPARE(file.accounts.accounts.first().iban, QStringLiteral("IT60X0542811101000000123456"));
    m_window->printMain();
    QCOMPARE(m_platform->documents.size(), 1);
}

void TestContabilitaWindow::bankStatementPaysTheNamedOwnerOnceOnly()
{
    const QString statement = m_folder.filePath(QStringLiteral("Veltra-estratto-conto-2026.csv"));
    const int before = m_window->controls().movimenti->rowCount();
    m_platform->fileNames.enqueue(statement);
    m_window->readBankStatement();
    StatementDialog *dialog = m_window->statementDialog();
    QVERIFY(dialog);
    // Line 23, 325,26 from "Bianchi Luca e Sartori Elena": owner 3's share of item 3; the
    // payments the payments window recorded are in the register already.
    QTableWidget *rows = dialog->table();
    QCOMPARE(rows->rowCount(), 19);
    int checked = 0;
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->item(row, StatementDialog::RecordColumn)->checkState() == Qt::Checked) {
            ++checked;
            QCOMPARE(rows->item(row, StatementDialog::LineColumn)->text(), QStringLiteral("23"));
            QCOMPARE(rows->item(row, StatementDialog::ItemsColumn)->text(), QStringLiteral("3"));
        }
    }
    QCOMPARE(checked, 1);
    QCOMPARE(rows->item(1, StatementDialog::OutcomeColumn)->text(), QStringLiteral("già registrato"));
    dialog->accept();
    QCOMPARE(m_window->controls().movimenti->rowCount(), before + 1);
    const QString item3 = m_folder.filePath(QStringLiteral("Veltra-spese-") + SampleName + QStringLiteral("- 2026 3"));
    QCOMPARE(ExpenseArchive::load(item3, true).owners.at(2).paymentDate, QStringLiteral("02/04/2026"));
    // The statement's own closing balance is kept for the rendiconto.
    QCOMPARE(control<QTableWidget>(QStringLiteral("estratti"))->item(0, 2)->text(), QStringLiteral("14.732,76"));
    // Read again, the same statement has nothing left to record.
    m_platform->fileNames.enqueue(statement);
    m_window->readBankStatement();
    rows = m_window->statementDialog()->table();
    for (int row = 0; row < rows->rowCount(); ++row)
        QVERIFY(rows->item(row, StatementDialog::RecordColumn)->checkState() != Qt::Checked);
}

// The note and the banks' balances reach the file at each edit and come back when the
// register is opened again; a date or a text the file cannot take leaves the stored value.
void TestContabilitaWindow::rendicontoInputsAreWrittenAtOnceAndBadOnesRefused()
{
    // The sample's note holds three contracts, the first expiring on 31/12/2027.
    const QString inputsPath = FinalAccountFile::pathBesideRegister(m_window->year().path());
    control<QPlainTextEdit>(QStringLiteral("criterio"))->setPlainText(QStringLiteral("Criterio di cassa.\n\nSaldi al 31/12."));
    QTableWidget *contracts = control<QTableWidget>(QStringLiteral("contratti"));
    QCOMPARE(contracts->rowCount(), 3);
    control<QPushButton>(QStringLiteral("aggiungicontratto"))->click();
    contracts->item(3, 0)->setText(QStringLiteral("pulizia delle scale"));
    contracts->item(3, 2)->setText(QStringLiteral("1/3/2027"));
    QCOMPARE(contracts->item(3, 2)->text(), QStringLiteral("01/03/2027"));
    QCOMPARE(m_platform->messages.size(), 0);

    contracts->item(0, 2)->setText(QStringLiteral("31/02/2027"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(contracts->item(0, 2)->text(), QStringLiteral("31/12/2027"));
    auto *facts = control<QPlainTextEdit>(QStringLiteral("fatti"));
    const QString storedFacts = facts->toPlainText();
    facts->setPlainText(QStringLiteral("Lavori al \"lastrico\""));
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(facts->toPlainText(), storedFacts);

    // The bank's balance, 100,00 above the register's, shows at once among the figures and
    // keeps the rendiconto from being printed until explained.
    QTableWidget *statements = control<QTableWidget>(QStringLiteral("estratti"));
    const QString closing = control<QTableWidget>(QStringLiteral("rendicontoconti"))->item(0, 4)->text();
    const long long statementCents = Money::parse(closing)->cents() + 10000;
    statements->item(0, 2)->setText(Money::fromCents(statementCents).format());
    QCOMPARE(statements->item(0, 1)->text(), QStringLiteral("31/12/2026"));
    QCOMPARE(control<QTableWidget>(QStringLiteral("rendicontoconti"))->item(0, 6)->text(), QStringLiteral("100,00"));
    QVERIFY(control<QListWidget>(QStringLiteral("blocchi"))->item(0)->text().contains(QStringLiteral("differenza")));

    const FinalAccountFile::LoadResult file = FinalAccountFile::load(inputsPath);
    QVERIFY(file.isComplete());
    QCOMPARE(file.inputs.note.criterion, QStringList({QStringLiteral("Criterio di cassa."), QStringLiteral("Saldi al 31/12.")}));
    QCOMPARE(file.inputs.note.contracts.size(), 4);
    QCOMPARE(file.inputs.note.contracts.first().expiry, QDate(2027, 12, 31));
    QCOMPARE(file.inputs.note.contracts.last().expiry, QDate(2027, 3, 1));
    QCOMPARE(file.inputs.note.facts.size(), 2);
    QCOMPARE(file.inputs.statementBalances.first().cents, statementCents);

    m_window->clearWindow();
    QCOMPARE(contracts->rowCount(), 0);
    m_window->openArchive();
    QCOMPARE(control<QPlainTextEdit>(QStringLiteral("criterio"))->toPlainText(),
             QStringLiteral("Criterio di cassa.\nSaldi al 31/12."));
    QCOMPARE(contracts->item(3, 0)->text(), QStringLiteral("pulizia delle scale"));
}

void TestContabilitaWindow::closingCarriesTheBalancesAndLocksTheYearUntilReopened()
{
    // The sample's own register, where owner 9 opens owing 212,40.
    const QString registerPath = m_window->year().path();
    QVERIFY(QFile::remove(registerPath));
    QVERIFY(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/") + QFileInfo(registerPath).fileName(), registerPath));
    QFile::setPermissions(registerPath, QFile::ReadOwner | QFile::WriteOwner);
    m_window->openArchive();
    auto *blocking = control<QListWidget>(QStringLiteral("blocchi"));
    QCOMPARE(blocking->item(0)->text(), QStringLiteral("Il rendiconto è pronto per la stampa"));

    // An account edited and not saved is settled first: kept (Annulla), the year stays open.
    ContabilitaForm &form = m_window->controls();
    form.conti->item(0, 1)->setText(QStringLiteral("IT60 X054 2811 1010 0000 0123 456"));
    m_platform->choices.enqueue(2);
    control<QPushButton>(QStringLiteral("chiudiesercizio"))->click();
    QCOMPARE(m_platform->lastMessage().buttons,
             QStringList({QStringLiteral("Salva"), QStringLiteral("Non salvare"), QStringLiteral("Annulla")}));
    QVERIFY(!m_window->year().accounts().closed);

    m_platform->choices.enqueue(0);
    m_platform->answers.enqueue(true);
    control<QPushButton>(QStringLiteral("chiudiesercizio"))->click();
    QVERIFY(m_platform->lastMessage().question);
    QCOMPARE(AccountsFile::load(registerPath).accounts.accounts.first().iban, QStringLiteral("IT60X0542811101000000123456"));
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("registro dell'esercizio 2027")));
    // 212,40 + 140,80 + 737,31 + 347,44 + 782,97, none of it paid.
    const AccountsFile::LoadResult next = AccountsFile::load(AccountsFile::pathBeside(m_archive, 2027));
    QVERIFY(next.isComplete());
    QCOMPARE(next.accounts.ownerOpenings.value(9), 222092);
    QVERIFY(AccountsFile::load(registerPath).accounts.closed);
    QCOMPARE(control<QLabel>(QStringLiteral("statoesercizio"))->text(), QStringLiteral("Esercizio chiuso il 09/12/2026"));
    for (QWidget *locked : {static_cast<QWidget *>(form.registra), static_cast<QWidget *>(form.conti),
                            control<QWidget>(QStringLiteral("criterio")), control<QWidget>(QStringLiteral("fondi"))}) {
        QVERIFY2(!locked->isEnabled(), qPrintable(locked->objectName()));
        QVERIFY(locked->toolTip().contains(QStringLiteral("riaprirlo")));
    }

    // Reopening wants the Yes, then a reason.
    auto *reopen = control<QPushButton>(QStringLiteral("riapriesercizio"));
    m_platform->answers.enqueue(false);
    reopen->click();
    QVERIFY(!m_window->rendiconto().reopenDialog());
    m_platform->answers.enqueue(true);
    reopen->click();
    m_window->rendiconto().reopenDialog()->accept();
    QVERIFY(m_window->year().accounts().closed);
    m_platform->answers.enqueue(true);
    reopen->click();
    m_window->rendiconto().reopenDialog()->reasonField()->setText(QStringLiteral("fattura arrivata dopo la chiusura"));
    m_window->rendiconto().reopenDialog()->accept();
    QVERIFY(!AccountsFile::load(registerPath).accounts.closed);
    const QList<ClosingEvent> history =
        FinalAccountFile::load(FinalAccountFile::pathBesideRegister(registerPath)).inputs.history;
    QCOMPARE(history.size(), 2);
    QVERIFY(!history.last().closed);
    QCOMPARE(history.last().reason, QStringLiteral("fattura arrivata dopo la chiusura"));
    QVERIFY(form.registra->isEnabled());
    QCOMPARE(form.registra->toolTip(), QStringLiteral("scrive nel registro il movimento dei campi, nuovo o cambiato"));
}

// A movement of the cause "fondo" counts for the fund chosen for it; when an earlier fund is
// removed it follows its fund to the new place; the special fund, and a fund with a balance
// carried in, cannot be removed.
void TestContabilitaWindow::fundMovementsStayWithTheirFundWhenAnotherIsRemoved()
{
    ContabilitaForm &form = m_window->controls();
    m_window->showMovement(0);
    form.causale->setCurrentIndex(int(MovementCause::SpecialFund));
    form.importo->setText(QStringLiteral("500,00"));
    form.dataoperazione->setText(QStringLiteral("15/05/2026"));
    form.dataregistrazione->setText(QStringLiteral("15/05/2026"));
    form.descrizione->setText(QStringLiteral("versamento per la facciata"));
    form.registra->click();
    QCOMPARE(m_platform->messages.size(), 0);
    const int number = m_window->shownMovement();
    auto *add = control<QPushButton>(QStringLiteral("aggiungifondo"));
    add->click();
    add->click();
    QTableWidget *movements = control<QTableWidget>(QStringLiteral("movimentifondo"));
    QCOMPARE(movements->rowCount(), 1);
    qobject_cast<QComboBox *>(movements->cellWidget(0, 4))->setCurrentIndex(2);
    QTableWidget *figures = control<QTableWidget>(QStringLiteral("rendicontofondi"));
    QCOMPARE(figures->item(0, 2)->text(), QStringLiteral("0,00"));
    QCOMPARE(figures->item(2, 2)->text(), QStringLiteral("500,00"));

    QTableWidget *funds = control<QTableWidget>(QStringLiteral("fondi"));
    auto *remove = control<QPushButton>(QStringLiteral("toglifondo"));
    funds->item(1, 1)->setText(QStringLiteral("10,00"));
    funds->setCurrentCell(1, 0);
    remove->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(figures->rowCount(), 3);
    funds->item(1, 1)->setText(QStringLiteral("0,00"));
    remove->click();
    QCOMPARE(figures->rowCount(), 2);
    QCOMPARE(figures->item(1, 2)->text(), QStringLiteral("500,00"));
    const QString inputsPath = FinalAccountFile::pathBesideRegister(m_window->year().path());
    QCOMPARE(FinalAccountFile::load(inputsPath).inputs.fundOf(number), 2);
    funds->setCurrentCell(0, 0);
    remove->click();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(FinalAccountFile::load(inputsPath).inputs.funds.size(), 2);
}

void TestContabilitaWindow::rendicontoPrintsAreRefusedWhileATransferHasOneLeg()
{
    ContabilitaForm &form = m_window->controls();
    form.condomino->setCurrentIndex(form.condomino->findData(9));
    m_window->printFinalAccount();
    m_window->printCertificate();
    m_window->printArrears();
    QCOMPARE(m_platform->messages.size(), 0);
    QCOMPARE(m_platform->documents.size(), 3);

    m_window->showMovement(0);
    form.causale->setCurrentIndex(int(MovementCause::Transfer));
    form.tipo->setCurrentIndex(1);
    form.importo->setText(QStringLiteral("100,00"));
    form.dataoperazione->setText(QStringLiteral("15/04/2026"));
    form.dataregistrazione->setText(QStringLiteral("15/04/2026"));
    form.registra->click();
    QCOMPARE(m_platform->messages.size(), 0);
    form.condomino->setCurrentIndex(form.condomino->findData(9));
    for (void (ContabilitaWindow::*print)() : {&ContabilitaWindow::printFinalAccount, &ContabilitaWindow::printCertificate,
                                                &ContabilitaWindow::printArrears}) {
        m_platform->messages.clear();
        (m_window->*print)();
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY2(m_platform->lastMessage().text.contains(QStringLiteral("giroconto senza il movimento opposto")),
                 qPrintable(m_platform->lastMessage().text));
    }
    QCOMPARE(m_platform->documents.size(), 3);
}

QTEST_MAIN(TestContabilitaWindow)
#include "tst_contabilitawindow.moc"
