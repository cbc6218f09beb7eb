#include "core/registry/condominiumarchive.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/expenses/expenseseries.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"

#include <QtTest>

#include <cmath>

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
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Twelve owners of "Verdi" with every allocation input of item 1 filled.
void fillItem(SharedState &state, int owners = 12)
{
    state.initSharedStrings();
    state.condoName = QStringLiteral("Verdi");
    state.ownerCount = owners;
    state.calcType = 1;
    state.item(1) = {QStringLiteral("1.000,00"), QStringLiteral("pulizia scale"),
                     QStringLiteral("10/01/2001")};
    for (int i = 1; i <= owners; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via Roma %1").arg(i);
        owner.takesPart = 1;
        // thousandths with three decimals, as the millesimal computation leaves them
        owner.ownerMillesimi = Cell::fromNumber(std::round(1e6 / owners) / 1000);
        owner.shareAmount = QStringLiteral("83,33");
    }
}

} // namespace

class TestExpenseSeries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileNamesCarryTheBlanksOfStr_data();
    void fileNamesCarryTheBlanksOfStr();
    void yearComesOnlyFromAValidDate_data();
    void yearComesOnlyFromAValidDate();
    void headerAndOneLinePerOwner_data();
    void headerAndOneLinePerOwner();
    void everyFieldSurvivesTheRoundTrip();
    void itemOfALaterYearIsSavedUnderItsOwnYear();
    void itemWithoutYearIsNotSaved();
    void unwritableTextIsRefusedByName();
    void firstFileIsChosenThenTheSeriesIsBuilt();
    void cancellingTheDialogOpensNothing();
    void openingWithoutTypeIsRefused();
    void truncatedFileLeavesTheStateUntouched();
    void fileOfTheOtherTypeIsRejected();
    void condominiumArchiveOpenedByMistakeAsItemFile();
    void fewerOwnersInTheFileEmptyTheOthers();
    void countStopsAtTheFirstGap();
    void fullSeriesHasNoFreeNumber();
    void deleteRemovesTheChosenFile();

private:
    QTemporaryDir m_folder;
};

void TestExpenseSeries::init()
{
    QVERIFY(m_folder.isValid());
    QDir folder(m_folder.path());
    for (const QString &name : folder.entryList(QDir::Files))
        folder.remove(name);
    QDir::setCurrent(m_folder.path());
}

void TestExpenseSeries::fileNamesCarryTheBlanksOfStr_data()
{
    QTest::addColumn<ManagementType>("type");
    QTest::addColumn<QString>("condo");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spese 2") << ManagementType::Spese << "Rossi" << 2001 << 2
                             << "Veltra-spese-Rossi- 2001 2";
    QTest::newRow("preventivi 3") << ManagementType::Preventivi << "Verdi" << 2001 << 3
                                  << "Veltra-preventivi-Verdi- 2001 3";
    QTest::newRow("item 1") << ManagementType::Spese << "Via Po 3" << 1999 << 1
                            << "Veltra-spese-Via Po 3- 1999 1";
    QTest::newRow("item 200") << ManagementType::Preventivi << "A" << 2024 << 200
                              << "Veltra-preventivi-A- 2024 200";
}

void TestExpenseSeries::fileNamesCarryTheBlanksOfStr()
{
    QFETCH(ManagementType, type);
    QFETCH(QString, condo);
    QFETCH(int, year);
    QFETCH(int, k);
    QFETCH(QString, expected);
    QCOMPARE(ExpenseFileName::build(type, condo, year, k), expected);
}

void TestExpenseSeries::yearComesOnlyFromAValidDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("year"); // 0: no year
    QTest::newRow("gg/mm/aaaa") << "15/03/2001" << 2001;
    QTest::newRow("one digit day and month") << "1/3/2002" << 2002;
    QTest::newRow("blanks around") << " 29/02/2000 " << 2000;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two-digit year") << "15/03/01" << 0;
    QTest::newRow("no such day") << "29/02/2001" << 0;
    QTest::newRow("words") << "marzo 2001" << 0;
    QTest::newRow("other separator") << "15-03-2001" << 0;
}

void TestExpenseSeries::yearComesOnlyFromAValidDate()
{
    QFETCH(QString, date);
    QFETCH(int, year);
    QCOMPARE(ExpenseFileName::yearOf(date).value_or(0), year);
}

void TestExpenseSeries::headerAndOneLinePerOwner_data()
{
    QTest::addColumn<ManagementType>("type");
    QTest::addColumn<int>("lines");
    QTest::newRow("preventivi") << ManagementType::Preventivi << 13;
    QTest::newRow("spese") << ManagementType::Spese << 25;
}

void TestExpenseSeries::headerAndOneLinePerOwner()
{
    QFETCH(ManagementType, type);
    QFETCH(int, lines);
    SharedState state;
    fillItem(state);
    ExpenseSeries series(state);
    series.setType(type);
    QString error;
    QVERIFY2(series.save(1, &error), qPrintable(error));
    const QString name = ExpenseFileName::build(type, QStringLiteral("Verdi"), 2001, 1);
    QCOMPARE(series.currentFileName(), m_folder.filePath(name));
    const QByteArray bytes = readBytes(m_folder.filePath(name));
    QCOMPARE(bytes.count("\r\n"), lines);
    QVERIFY(bytes.startsWith("\"Verdi\",12,\"1.000,00\",\"pulizia scale\",\"10/01/2001\",1\r\n"
                             "1,\"Condomino 1\",\"via Roma 1\",,83.333,,,,,\"83,33\"\r\n"));
    if (type == ManagementType::Spese)
        QVERIFY(bytes.contains("\"83,33\"\r\n,\r\n1,\"Condomino 2\""));
}

void TestExpenseSeries::everyFieldSurvivesTheRoundTrip()
{
    SharedState state;
    fillItem(state, 3);
    state.calcType = 6;
    state.condoName = QString::fromUtf8("Città Nuova");
    state.item(2) = {QStringLiteral("1.250,50"), QString::fromUtf8("riparazione lastrico € 3"),
                     QStringLiteral("15/03/2001")};
    Owner &first = state.owner(1);
    first.ownerName = QString::fromUtf8("Niccolò Foà");
    first.ownerAddress = QString::fromUtf8("via Libertà 3, Forlì");
    first.takesPart = 0;
    first.fixedPercent = QStringLiteral("12,5");
    first.ownerMillesimi = Cell::fromText(QStringLiteral("333,5"));
    first.floorMillesimi = QStringLiteral("125,000");
    first.heatingQuantity = Cell::fromNumber(120.5);
    first.oneThirdFlag = 1;
    first.twoThirdsPercent = QStringLiteral("50");
    first.shareAmount = QStringLiteral("1.234,50");
    first.paymentDate = QStringLiteral("----------");
    first.reminderDate = QStringLiteral("01/02/2001");
    state.owner(2).heatingQuantity = Cell::fromText(QStringLiteral("7,25"));
    state.owner(3).ownerMillesimi = Cell::fromNumber(250.125);

    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    QString error;
    QVERIFY2(series.save(2, &error), qPrintable(error));
    const QString saved = QString::fromUtf8("Veltra-spese-Città Nuova- 2001 2");
    QVERIFY(QFile::exists(m_folder.filePath(saved)));

    SharedState loaded;
    loaded.item(1).expenseDate = QStringLiteral("02/01/2001"); // the series' year
    loaded.condoName = state.condoName;
    ExpenseSeries reader(loaded);
    reader.setType(ManagementType::Spese);
    reader.setCurrentFileName(m_folder.filePath(QStringLiteral("anything")));
    ScriptedPlatform platform;
    QCOMPARE(reader.open(2, platform).outcome, ExpenseSeries::OpenOutcome::Opened);
    QCOMPARE(loaded.condoName, state.condoName);
    QCOMPARE(loaded.ownerCount, 3);
    QCOMPARE(loaded.calcType, 6);
    QCOMPARE(loaded.item(2).expenseAmount, state.item(2).expenseAmount);
    QCOMPARE(loaded.item(2).expenseType, state.item(2).expenseType);
    QCOMPARE(loaded.item(2).expenseDate, state.item(2).expenseDate);
    for (int i = 1; i <= 3; ++i) {
        const Owner &a = state.owner(i);
        const Owner &b = loaded.owner(i);
        QCOMPARE(b.takesPart, a.takesPart);
        QCOMPARE(b.ownerName, a.ownerName);
        QCOMPARE(b.ownerAddress, a.ownerAddress);
        QCOMPARE(b.fixedPercent, a.fixedPercent);
        QCOMPARE(b.ownerMillesimi, a.ownerMillesimi);
        QCOMPARE(b.floorMillesimi, a.floorMillesimi);
        QCOMPARE(b.heatingQuantity, a.heatingQuantity);
        QCOMPARE(b.oneThirdFlag, a.oneThirdFlag);
        QCOMPARE(b.twoThirdsPercent, a.twoThirdsPercent);
        QCOMPARE(b.shareAmount, a.shareAmount);
        QCOMPARE(b.paymentDate, a.paymentDate);
        QCOMPARE(b.reminderDate, a.reminderDate);
    }
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.dialogs.isEmpty());
}

// Item 1 of 2001, item 3 paid in January 2002: the file of item 3 bears 2002.
void TestExpenseSeries::itemOfALaterYearIsSavedUnderItsOwnYear()
{
    SharedState state;
    fillItem(state);
    state.item(3) = {QStringLiteral("80,00"), QStringLiteral("conguaglio"),
                     QStringLiteral("15/01/2002")};
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    QString error;
    QVERIFY2(series.save(3, &error), qPrintable(error));
    const QString expected = m_folder.filePath(QStringLiteral("Veltra-spese-Verdi- 2002 3"));
    QCOMPARE(series.currentFileName(), expected);
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("Veltra-spese-Verdi- 2002 3")});
    QVERIFY(readBytes(expected).startsWith(
        "\"Verdi\",12,\"80,00\",\"conguaglio\",\"15/01/2002\",1\r\n"));
}

void TestExpenseSeries::itemWithoutYearIsNotSaved()
{
    SharedState state;
    fillItem(state);
    state.item(1).expenseDate = QStringLiteral("gennaio");
    ExpenseSeries series(state);
    series.setType(ManagementType::Preventivi);
    const std::optional<QString> refusal = series.saveRefusal(1);
    QVERIFY(refusal);
    QVERIFY(refusal->contains(QStringLiteral("gg/mm/aaaa")));
    QString error;
    QVERIFY(!series.save(1, &error));
    QCOMPARE(error, *refusal);
    QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(series.currentFileName().isEmpty());

    series.setType(ManagementType::None);
    state.item(1).expenseDate = QStringLiteral("10/01/2001");
    QVERIFY(series.saveRefusal(1));
}

void TestExpenseSeries::unwritableTextIsRefusedByName()
{
    SharedState state;
    fillItem(state);
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    state.owner(3).reminderDate = QStringLiteral("il \"primo\"");
    QVERIFY(series.saveRefusal(1)->contains(
        QStringLiteral("la data di sollecito del condomino n. 3")));
    // A budget file carries no reminders.
    series.setType(ManagementType::Preventivi);
    QVERIFY(!series.saveRefusal(1));
    state.condoName = QStringLiteral("Verdi/Bianchi");
    QVERIFY(series.saveRefusal(1)->contains(QStringLiteral("\"/\"")));
    QVERIFY(!series.save(1));
    QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
}

void TestExpenseSeries::firstFileIsChosenThenTheSeriesIsBuilt()
{
    SharedState written;
    fillItem(written);
    ExpenseSeries writer(written);
    writer.setType(ManagementType::Preventivi);
    QVERIFY(writer.save(1));
    written.item(2) = {QStringLiteral("50"), QStringLiteral("luce"), QStringLiteral("01/06/2001")};
    written.owner(1).ownerName = QStringLiteral("Nuovo proprietario");
    QVERIFY(writer.save(2));

    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    SharedState state;
    state.initSharedStrings();
    ExpenseSeries series(state);
    series.setType(ManagementType::Preventivi);
    ScriptedPlatform platform;
    platform.fileNames << m_folder.filePath(QStringLiteral("Veltra-preventivi-Verdi- 2001 2"))
                       << m_folder.filePath(QStringLiteral("Veltra-preventivi-Verdi- 2001 1"));
    QCOMPARE(series.open(1, platform).outcome, ExpenseSeries::OpenOutcome::Opened);
    QCOMPARE(platform.dialogs.size(), 2);
    QCOMPARE(platform.dialogs.first().title, QStringLiteral("Apri file"));
    QCOMPARE(platform.dialogs.first().selectedFilter, 3);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.lastMessage().text, QStringLiteral("Bisogna aprire il primo file."));
    QCOMPARE(platform.lastMessage().title, state.texts.checkTitle);
    QCOMPARE(state.item(1).expenseAmount, QStringLiteral("1.000,00"));

    // Item 2 is found beside item 1, even after another dialog moved the working folder.
    QDir::setCurrent(elsewhere.path());
    QCOMPARE(series.open(2, platform).outcome, ExpenseSeries::OpenOutcome::Opened);
    QCOMPARE(platform.dialogs.size(), 2);
    QCOMPARE(state.item(2).expenseType, QStringLiteral("luce"));
    QCOMPARE(state.owner(1).ownerName, QStringLiteral("Nuovo proprietario"));

    // Item 3 does not exist: the owners of item 2 stay in memory.
    const ExpenseSeries::OpenResult missing = series.open(3, platform);
    QCOMPARE(missing.outcome, ExpenseSeries::OpenOutcome::Missing);
    QCOMPARE(missing.failedLine, 0);
    QCOMPARE(state.owner(1).ownerName, QStringLiteral("Nuovo proprietario"));
}

void TestExpenseSeries::cancellingTheDialogOpensNothing()
{
    SharedState state;
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    ScriptedPlatform platform;
    QCOMPARE(series.open(1, platform).outcome, ExpenseSeries::OpenOutcome::Cancelled);
    QCOMPARE(platform.dialogs.size(), 1);
    QCOMPARE(platform.dialogs.first().selectedFilter, 2);
    QVERIFY(platform.messages.isEmpty());
    // Without a current file an item of 2 or more has nothing to be found by.
    QCOMPARE(series.open(2, platform).outcome, ExpenseSeries::OpenOutcome::NothingToOpen);
    QCOMPARE(platform.dialogs.size(), 1);
}

void TestExpenseSeries::openingWithoutTypeIsRefused()
{
    SharedState state;
    state.initSharedStrings();
    ExpenseSeries series(state);
    ScriptedPlatform platform;
    QCOMPARE(series.open(1, platform).outcome, ExpenseSeries::OpenOutcome::NoType);
    QCOMPARE(platform.lastMessage().text,
             QStringLiteral("Scegliere il tipo di gestione (preventivi o spese)."));
    QCOMPARE(platform.lastMessage().icon, MessageIcon::Critical);
    QVERIFY(platform.dialogs.isEmpty());
}

void TestExpenseSeries::truncatedFileLeavesTheStateUntouched()
{
    SharedState written;
    fillItem(written, 3);
    ExpenseSeries writer(written);
    writer.setType(ManagementType::Spese);
    QVERIFY(writer.save(1));
    const QString path = writer.currentFileName();
    QByteArray bytes = readBytes(path);
    bytes.chop(12); // the last payments line loses its end
    writeBytes(path, bytes);

    SharedState state;
    fillItem(state, 2);
    state.condoName = QStringLiteral("Gialli");
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    ScriptedPlatform platform;
    platform.fileNames << path;
    const ExpenseSeries::OpenResult result = series.open(1, platform);
    QCOMPARE(result.outcome, ExpenseSeries::OpenOutcome::Unreadable);
    QCOMPARE(result.failedLine, 7);
    QCOMPARE(state.condoName, QStringLiteral("Gialli"));
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.item(1).expenseType, QStringLiteral("pulizia scale"));
    QVERIFY(state.owner(3).ownerName.isEmpty());
    QVERIFY(platform.messages.isEmpty());
}

void TestExpenseSeries::fileOfTheOtherTypeIsRejected()
{
    SharedState state;
    fillItem(state, 3);
    const QString budget = m_folder.filePath(QStringLiteral("budget"));
    const QString expenses = m_folder.filePath(QStringLiteral("expenses"));
    QVERIFY(ExpenseArchive::save(state, 1, false, budget));
    QVERIFY(ExpenseArchive::save(state, 1, true, expenses));
    QVERIFY(ExpenseArchive::load(budget, false).isComplete());
    QVERIFY(ExpenseArchive::load(expenses, true).isComplete());
    QCOMPARE(ExpenseArchive::load(budget, true).failedLine, 3);
    QCOMPARE(ExpenseArchive::load(expenses, false).failedLine, 3);
    SharedState untouched;
    QVERIFY(!ExpenseArchive::apply(ExpenseArchive::load(budget, true), untouched, 1, true));
    QVERIFY(untouched.condoName.isEmpty());
}

void TestExpenseSeries::condominiumArchiveOpenedByMistakeAsItemFile()
{
    SharedState registry;
    RegistryFixture::fillRegistry(registry, 3, 2);
    const QString path =
        m_folder.filePath(QStringLiteral("Veltra-spese-Condominio Aurora- 2001 1"));
    QVERIFY(CondominiumArchive::save(registry, path));

    SharedState state;
    fillItem(state, 2);
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    ScriptedPlatform platform;
    platform.fileNames << path;
    const ExpenseSeries::OpenResult result = series.open(1, platform);
    QCOMPARE(result.outcome, ExpenseSeries::OpenOutcome::Unreadable);
    QCOMPARE(result.failedLine, 1);
    QCOMPARE(state.condoName, QStringLiteral("Verdi"));
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.owner(1).ownerName, QStringLiteral("Condomino 1"));
}

void TestExpenseSeries::fewerOwnersInTheFileEmptyTheOthers()
{
    SharedState small;
    fillItem(small, 2);
    const QString path = m_folder.filePath(QStringLiteral("item"));
    QVERIFY(ExpenseArchive::save(small, 1, false, path));

    SharedState state;
    RegistryFixture::fillRegistry(state, 5, 1);
    state.owner(1).paymentDate = QStringLiteral("03/03/2003");
    QVERIFY(ExpenseArchive::apply(ExpenseArchive::load(path, false), state, 1, false));
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.owner(2).ownerName, QStringLiteral("Condomino 2"));
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(500));
    // A budget item carries no payments: those in memory stay.
    QCOMPARE(state.owner(1).paymentDate, QStringLiteral("03/03/2003"));
    for (int i = 3; i <= 5; ++i) {
        QVERIFY(state.owner(i).ownerName.isEmpty());
        QCOMPARE(state.owner(i).unitCount, 0);
    }
}

void TestExpenseSeries::countStopsAtTheFirstGap()
{
    SharedState state;
    fillItem(state);
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    for (int k : {1, 2, 4}) {
        writeBytes(m_folder.filePath(
                       ExpenseFileName::build(ManagementType::Spese, "Verdi", 2001, k)),
                   "x");
    }
    const ExpenseSeries::CountResult count = series.count();
    QVERIFY(count.named);
    QCOMPARE(count.lastExisting, 2);
    QCOMPARE(count.firstFree, std::optional<int>(3));
    QCOMPARE(series.currentFileName(), m_folder.filePath("Veltra-spese-Verdi- 2001 3"));

    state.item(1).expenseDate.clear();
    const ExpenseSeries::CountResult unnamed = series.count();
    QVERIFY(!unnamed.named);
    QCOMPARE(unnamed.lastExisting, 0);
}

void TestExpenseSeries::fullSeriesHasNoFreeNumber()
{
    SharedState state;
    fillItem(state);
    ExpenseSeries series(state);
    series.setType(ManagementType::Preventivi);
    for (int k = 1; k <= MaxItems; ++k) {
        writeBytes(m_folder.filePath(ExpenseFileName::build(ManagementType::Preventivi, "Verdi",
                                                            2001, k)), "x");
    }
    const ExpenseSeries::CountResult count = series.count();
    QVERIFY(count.named);
    QCOMPARE(count.lastExisting, 200);
    QVERIFY(!count.firstFree);
    QVERIFY(ExpenseSeries::seriesFullMessage().contains(QStringLiteral("200")));
    QVERIFY(!series.nameOf(201));
}

void TestExpenseSeries::deleteRemovesTheChosenFile()
{
    SharedState state;
    state.initSharedStrings();
    ExpenseSeries series(state);
    const QString path = m_folder.filePath(QStringLiteral("Veltra-preventivi-Verdi- 2001 4"));
    writeBytes(path, "x");
    ScriptedPlatform platform;
    platform.fileNames << path;
    QVERIFY(series.deleteFile(platform));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(platform.dialogs.first().title, state.texts.deleteDialogTitle);
    QCOMPARE(platform.dialogs.first().filter,
             QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-spese- | Veltra-spese-*"));
    QVERIFY(!series.deleteFile(platform)); // cancelled
    QVERIFY(platform.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestExpenseSeries)
#include "tst_expenseseries.moc"
