#include "core/expenses/expensefilename.h"
#include "core/payments/accountcards.h"
#include "core/payments/balancesheet.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"
#include "support/ledgerfixture.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"

#include <QtTest>

#include <memory>

using namespace veltra;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

// The ledger on its series: reading the first file through the dialog, moving with the
// running totals, counting, saving with the payments lines, and the series cache.
class TestPaymentsLedger : public QObject, private LedgerFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void speseFileCarriesOnePaymentsLinePerOwner();
    void preventiviFileCarriesNoPaymentsLine();
    void savedItemIsNamedByItsOwnYear();
    void runningTotalsCountEveryAmountButOwnersOnlyPositiveOnes();
    void moveStepsBackPastItemsWithoutAmount();
    void countStopsAtTheFirstGapAndKeepsItsValueWithoutFileOne();
    void firstFileMustEndWithOne();
    void cancelledDialogEndsTheMove();
    void openingWithoutTypeIsRefused();
    void typedDateIsLostWhenMovingAway();
    void preventiviEmptiesTheDates();
    void saveWithNothingLoadedIsRefused();
    void unwritableSaveKeepsThePreviousFile();
    void cacheReadsEachFileOnceWhileItIsUnchanged();
    void cacheSeesAFileChangedOutsideAndASaveThroughTheLedger();
    void badOrForeignItemStopsTheMoveAndEveryWalk_data();
    void badOrForeignItemStopsTheMoveAndEveryWalk();

private:
    // Writes a "spese" series of condominium Rossi with two owners, one item per amount.
    void writeSeries(const QStringList &amounts, const QList<QStringList> &shares);
    QString path(int k, ManagementType type = ManagementType::Spese) const;
    // Chooses "spese" with the dialog answering item 1 of the series.
    void openSeries();
};

void TestPaymentsLedger::init()
{
    setUpLedger();
}

void TestPaymentsLedger::cleanup()
{
    tearDownLedger();
}

QString TestPaymentsLedger::path(int k, ManagementType type) const
{
    return m_folder->filePath(ExpenseFileName::build(type, QStringLiteral("Rossi"), 2001, k));
}

void TestPaymentsLedger::writeSeries(const QStringList &amounts, const QList<QStringList> &shares)
{
    for (int k = 1; k <= amounts.size(); ++k) {
        SeriesFixture::Item item{amounts[k - 1], QStringLiteral("spesa %1").arg(k),
                                 QStringLiteral("10/0%1/2001").arg(k), shares[k - 1],
                                 {QStringLiteral("1%1/05/2001").arg(k), QString()}, {}};
        SeriesFixture::writeItem(m_folder->path(), ManagementType::Spese, QStringLiteral("Rossi"),
                                 k, item);
    }
}

void TestPaymentsLedger::openSeries()
{
    m_platform->fileNames.enqueue(path(1));
    const PaymentsLedger::Move move = m_ledger->chooseManagementType(ManagementType::Spese);
    QVERIFY(!move.ended);
    QVERIFY(move.opened);
}

void TestPaymentsLedger::speseFileCarriesOnePaymentsLinePerOwner()
{
    writeSeries({QStringLiteral("1.000,00")}, {{QStringLiteral("600,00"), QStringLiteral("400,00")}});
    openSeries();
    m_state->owner(1).reminderDate = QStringLiteral("20/05/2001");
    QVERIFY(m_ledger->saveItemFile());
    QCOMPARE(readBytes(path(1)),
             QByteArray("\"Rossi\",2,\"1.000,00\",\"spesa 1\",\"10/01/2001\",1\r\n"
                        "1,\"Condomino 1\",\"via Roma 1\",,500.000,,,,,\"600,00\"\r\n"
                        "\"11/05/2001\",\"20/05/2001\"\r\n"
                        "1,\"Condomino 2\",\"via Roma 2\",,500.000,,,,,\"400,00\"\r\n"
                        ",\r\n"));
}

void TestPaymentsLedger::preventiviFileCarriesNoPaymentsLine()
{
    SeriesFixture::Item item{QStringLiteral("300,00"), QStringLiteral("ascensore"),
                             QStringLiteral("10/01/2001"),
                             {QStringLiteral("100,00"), QStringLiteral("100,00"),
                              QStringLiteral("100,00")}, {}, {}};
    const QString first = SeriesFixture::writeItem(m_folder->path(), ManagementType::Preventivi,
                                                   QStringLiteral("Rossi"), 1, item);
    m_platform->fileNames.enqueue(first);
    m_ledger->chooseManagementType(ManagementType::Preventivi);
    QCOMPARE(m_state->ownerCount, 3);
    m_state->owner(2).paymentDate = QStringLiteral("01/02/2001");
    QVERIFY(m_ledger->saveItemFile());
    const QList<QByteArray> lines = readBytes(first).split('\n');
    QCOMPARE(lines.size(), 5); // four lines and the empty rest after the last line end
    QCOMPARE(lines[2], QByteArray("1,\"Condomino 2\",\"via Roma 2\",,333.333,,,,,\"100,00\"\r"));
}

void TestPaymentsLedger::savedItemIsNamedByItsOwnYear()
{
    writeSeries({QStringLiteral("1.000,00")}, {{QStringLiteral("600,00"), QStringLiteral("400,00")}});
    openSeries();
    m_state->item(2) = {QStringLiteral("50,00"), QStringLiteral("luce"), QStringLiteral("15/03/2001")};
    QCOMPARE(m_ledger->goToItem(2).item, 2);
    QVERIFY(m_ledger->saveItemFile());
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("Veltra-spese-Rossi- 2001 2"))));
    m_state->item(2).expenseDate = QStringLiteral("15/03/2002");
    QVERIFY(m_ledger->saveItemFile());
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("Veltra-spese-Rossi- 2002 2"))));
}

void TestPaymentsLedger::runningTotalsCountEveryAmountButOwnersOnlyPositiveOnes()
{
    writeSeries({QStringLiteral("1.000,00"), QStringLiteral("0,50"), QStringLiteral("-20,00")},
                {{QStringLiteral("600,00"), QStringLiteral("400,00")},
                 {QStringLiteral("0,30"), QStringLiteral("0,20")},
                 {QStringLiteral("-12,00"), QStringLiteral("-8,00")}});
    openSeries();
    QCOMPARE(m_ledger->shownTotal(), QStringLiteral("1000"));
    // Item 2 is not in memory yet: a jump to item 3 stops on item 2.
    QCOMPARE(m_ledger->goToItem(3).item, 2);
    QCOMPARE(m_ledger->goToItem(3).item, 3);
    // 1000 + 0,5 - 20; Val("0,50") is 0 and Val("-20,00") is -20: neither adds a share.
    QCOMPARE(m_ledger->shownTotal(), QStringLiteral("980,5"));
    QCOMPARE(m_state->owner(1).ownerRunningTotal, 600.0);
    QCOMPARE(m_state->owner(2).ownerRunningTotal, 400.0);
    QCOMPARE(m_ledger->currentItem(), 3);
    QCOMPARE(m_state->owner(1).shareAmount, QStringLiteral("-12,00"));
}

void TestPaymentsLedger::moveStepsBackPastItemsWithoutAmount()
{
    writeSeries({QStringLiteral("100,00"), QStringLiteral("200,00")},
                {{QStringLiteral("60,00"), QStringLiteral("40,00")},
                 {QStringLiteral("120,00"), QStringLiteral("80,00")}});
    openSeries();
    m_ledger->goToItem(2);
    // Item 3 has no file: it can be reached, item 5 cannot.
    const PaymentsLedger::Move move = m_ledger->goToItem(5);
    QCOMPARE(move.item, 3);
    QCOMPARE(m_ledger->currentItem(), 3);
    QVERIFY(m_ledger->shownItem().expenseAmount.isEmpty());
    QCOMPARE(m_ledger->shownTotal(), QStringLiteral("300"));
    // The owners stay those of the last file read.
    QCOMPARE(m_state->owner(1).shareAmount, QStringLiteral("120,00"));
    QCOMPARE(m_state->owner(1).ownerRunningTotal, 180.0);
    QCOMPARE(m_ledger->archivedCount(), std::optional<int>(2));
}

void TestPaymentsLedger::countStopsAtTheFirstGapAndKeepsItsValueWithoutFileOne()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00"), QStringLiteral("2,00"), QStringLiteral("2,00"),
                 QStringLiteral("2,00")},
                {shares, shares, shares, shares});
    QVERIFY(QFile::remove(path(3)));
    openSeries();
    QCOMPARE(m_ledger->archivedCount(), std::optional<int>(2));
    QVERIFY(QFile::remove(path(1)));
    m_ledger->countArchivedExpenses();
    QCOMPARE(m_ledger->archivedCount(), std::optional<int>(2));
}

void TestPaymentsLedger::firstFileMustEndWithOne()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00"), QStringLiteral("2,00")}, {shares, shares});
    m_platform->fileNames.enqueue(path(2));
    openSeries();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QCOMPARE(m_platform->dialogs[0].title, QStringLiteral("Apri file"));
    QCOMPARE(m_platform->dialogs[0].selectedFilter, 2);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("Bisogna aprire il primo file (ultimo carattere del nome = 1)."));
    QCOMPARE(m_platform->messages[0].icon, MessageIcon::Critical);
    QCOMPARE(m_state->ownerCount, 2);
    QCOMPARE(m_state->item(1).expenseAmount, QStringLiteral("2,00"));
    // The count tried every name up to the first missing file.
    QCOMPARE(m_ledger->archiveFileName(), path(3));
}

void TestPaymentsLedger::cancelledDialogEndsTheMove()
{
    const PaymentsLedger::Move move = m_ledger->chooseManagementType(ManagementType::Spese);
    QVERIFY(move.ended);
    QCOMPARE(m_platform->dialogs.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_ledger->archiveFileName().isEmpty());
    QVERIFY(!m_ledger->archivedCount());
}

void TestPaymentsLedger::openingWithoutTypeIsRefused()
{
    QCOMPARE(m_ledger->openItemFile(), PaymentsLedger::OpenOutcome::NoType);
    QCOMPARE(m_ledger->loadIndex(), 1);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Scegliere il tipo di gestione (preventivi o spese)."));
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QVERIFY(m_platform->dialogs.isEmpty());
}

void TestPaymentsLedger::typedDateIsLostWhenMovingAway()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00"), QStringLiteral("2,00")}, {shares, shares});
    openSeries();
    m_state->owner(2).paymentDate = QStringLiteral("30/06/2001");
    m_ledger->goToItem(2);
    QCOMPARE(m_state->owner(2).paymentDate, QString());
    m_ledger->goToItem(1);
    QCOMPARE(m_state->owner(1).paymentDate, QStringLiteral("11/05/2001"));
    QCOMPARE(m_state->owner(2).paymentDate, QString());
}

void TestPaymentsLedger::preventiviEmptiesTheDates()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00")}, {shares});
    openSeries();
    m_state->owner(2).reminderDate = QStringLiteral("01/01/2001");
    m_ledger->chooseManagementType(ManagementType::Preventivi);
    QCOMPARE(m_state->owner(1).paymentDate, QString());
    QCOMPARE(m_state->owner(2).reminderDate, QString());
    QCOMPARE(m_state->owner(1).shareAmount, QStringLiteral("1,00"));
    // Only reading the expense item again brings them back.
    m_ledger->chooseManagementType(ManagementType::Spese);
    QCOMPARE(m_state->owner(1).paymentDate, QStringLiteral("11/05/2001"));
}

void TestPaymentsLedger::saveWithNothingLoadedIsRefused()
{
    QString error;
    QVERIFY(!m_ledger->saveItemFile(&error));
    QCOMPARE(error, QStringLiteral("Scegliere il tipo di gestione dei dati (preventivi o spese)."));
    m_ledger->chooseManagementType(ManagementType::Spese);
    QVERIFY(!m_ledger->saveItemFile(&error));
    QCOMPARE(error, PaymentsLedger::nothingToSaveMessage());
    m_state->condoName = QStringLiteral("Rossi");
    m_state->ownerCount = 1;
    m_state->item(1) = {QStringLiteral("5,00"), QStringLiteral("luce"), QStringLiteral("maggio")};
    QVERIFY(!m_ledger->saveItemFile(&error));
    QVERIFY(error.contains(QStringLiteral("\"maggio\"")));
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
}

void TestPaymentsLedger::unwritableSaveKeepsThePreviousFile()
{
    writeSeries({QStringLiteral("2,00")}, {{QStringLiteral("1,00"), QStringLiteral("1,00")}});
    const QByteArray before = readBytes(path(1));
    openSeries();
    m_state->owner(2).paymentDate = QStringLiteral("12\"05");
    QString error;
    QVERIFY(!m_ledger->saveItemFile(&error));
    QVERIFY(error.contains(QStringLiteral("la data di pagamento del condomino n. 2")));
    QCOMPARE(readBytes(path(1)), before);
}

void TestPaymentsLedger::cacheReadsEachFileOnceWhileItIsUnchanged()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00"), QStringLiteral("2,00"), QStringLiteral("2,00")},
                {shares, shares, shares});
    openSeries();
    for (int round = 0; round < 3; ++round) {
        m_ledger->goToItem(3);
        m_ledger->goToItem(1);
    }
    QCOMPARE(m_ledger->cache().parseCount(), 3);
}

void TestPaymentsLedger::cacheSeesAFileChangedOutsideAndASaveThroughTheLedger()
{
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    writeSeries({QStringLiteral("2,00"), QStringLiteral("2,00")}, {shares, shares});
    openSeries();
    m_ledger->goToItem(2);
    QCOMPARE(m_state->owner(1).paymentDate, QStringLiteral("12/05/2001"));

    // Another program writes a file of the same size.
    QTest::qWait(20);
    QByteArray bytes = readBytes(path(2));
    bytes.replace("12/05/2001", "19/05/2001");
    writeBytes(path(2), bytes);
    m_ledger->goToItem(2);
    QCOMPARE(m_state->owner(1).paymentDate, QStringLiteral("19/05/2001"));
    QCOMPARE(m_ledger->cache().parseCount(), 3);

    m_state->owner(2).paymentDate = QStringLiteral("20/05/2001");
    QVERIFY(m_ledger->saveItemFile());
    m_ledger->goToItem(1);
    m_ledger->goToItem(2);
    QCOMPARE(m_state->owner(2).paymentDate, QStringLiteral("20/05/2001"));
    QCOMPARE(m_ledger->cache().parseCount(), 4);

    QVERIFY(QFile::remove(path(2)));
    m_ledger->goToItem(2);
    QVERIFY(m_ledger->shownItem().expenseAmount.isEmpty() == false); // memory keeps item 2
    QCOMPARE(m_ledger->archivedCount(), std::optional<int>(1));
}

void TestPaymentsLedger::badOrForeignItemStopsTheMoveAndEveryWalk_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("cause");
    QTest::newRow("cut short") << "cut" << QString::fromUtf8("riga 5, la data di pagamento del condomino n. 2");
    QTest::newRow("another condominium") << "condo" << QString::fromUtf8("del condominio \"Le Rose\"");
    QTest::newRow("another year") << "year" << QString::fromUtf8("non è dell'anno");
    QTest::newRow("missing between two") << "missing" << QStringLiteral("il file manca");
}

// Item 2 of three cannot be counted: the move stops on item 1 with item 1's totals alone,
// the balance and the cards are refused whole, and a save writes item 1 under its own name.
void TestPaymentsLedger::badOrForeignItemStopsTheMoveAndEveryWalk()
{
    QFETCH(QString, damage);
    QFETCH(QString, cause);
    writeSeries({QStringLiteral("1.000,00"), QStringLiteral("200,00"), QStringLiteral("6.300,00")},
                {{QStringLiteral("600,00"), QStringLiteral("400,00")},
                 {QStringLiteral("120,00"), QStringLiteral("80,00")},
                 {QStringLiteral("3.000,00"), QStringLiteral("3.300,00")}});
    const QStringList shares = {QStringLiteral("1,00"), QStringLiteral("1,00")};
    if (damage == QLatin1String("cut")) {
        // The payments line of the last owner is lost.
        const QByteArray bytes = readBytes(path(2));
        writeBytes(path(2), bytes.left(bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2));
    } else if (damage == QLatin1String("condo") || damage == QLatin1String("year")) {
        const bool condo = damage == QLatin1String("condo");
        SeriesFixture::writeItemNamedFor(
            m_folder->path(), ManagementType::Spese,
            condo ? QStringLiteral("Le Rose") : QStringLiteral("Rossi"), QStringLiteral("Rossi"),
            2001, 2,
            {QStringLiteral("2,00"), QStringLiteral("x"),
             condo ? QStringLiteral("10/02/2001") : QStringLiteral("10/02/2000"), shares, {}, {}});
    } else {
        QVERIFY(QFile::remove(path(2)));
        m_state->item(2).expenseAmount = QStringLiteral("200,00");
    }
    openSeries();

    const PaymentsLedger::Move move = m_ledger->goToItem(damage == QLatin1String("missing") ? 3 : 2);
    QCOMPARE(move.refusedItem, 2);
    QCOMPARE(move.item, 1);
    QCOMPARE(m_ledger->currentItem(), 1);
    QCOMPARE(m_ledger->shownTotal(), QStringLiteral("1000"));
    QCOMPARE(m_state->owner(1).ownerRunningTotal, 600.0);
    QCOMPARE(m_state->condoName, QStringLiteral("Rossi"));
    const QString problem = m_ledger->problem();
    QVERIFY2(problem.startsWith(QStringLiteral("La spesa n.2 (file \"Veltra-spese-Rossi- 2001 2\")")),
             qPrintable(problem));
    QVERIFY2(problem.contains(cause), qPrintable(problem));

    if (damage != QLatin1String("missing")) {
        const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
        QVERIFY(sheet.rows.isEmpty());
        QCOMPARE(sheet.refusal, problem);
        QString refusal;
        QVERIFY(AccountCards::collect(*m_ledger, 1, true, &refusal).isEmpty());
        QCOMPARE(refusal, problem);
    }
    QVERIFY(m_ledger->saveItemFile());
    QCOMPARE(QDir(m_folder->path()).entryList({QStringLiteral("*Le Rose*")}), QStringList());
}

QTEST_GUILESS_MAIN(TestPaymentsLedger)
#include "tst_paymentsledger.moc"
