#include "core/expenses/expenseallocation.h"
#include "core/expenses/expenseseries.h"
#include "core/expenses/meterallocation.h"
#include "core/expenses/meterreadingscsv.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/expenses/spesecheck.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"

#include <QtTest>

using namespace veltra;

namespace {

struct Metered
{
    QString name;
    QString millesimi;
    QString reading;
    int estimated = 0;
    int takesPart = 1;
};

// The worked example: 1.234,57 euro, 70 % by the readings, the rest by property
// millesimi; owner 3's reading is an estimate and owner 4 does not take part.
void fillExample(SharedState &state)
{
    const QList<Metered> owners = {{QStringLiteral("Bianchi"), QStringLiteral("300"),
                                    QStringLiteral("512,5")},
                                   {QStringLiteral("Verdi"), QStringLiteral("200"),
                                    QStringLiteral("301")},
                                   {QStringLiteral("Neri"), QStringLiteral("250"),
                                    QStringLiteral("186,5"), 1},
                                   {QStringLiteral("Gialli"), QStringLiteral("250"),
                                    QStringLiteral("400"), 0, 0}};
    state.initSharedStrings();
    state.condoName = QStringLiteral("Rossi");
    state.ownerCount = int(owners.size());
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Metered &input = owners.at(i - 1);
        Owner &owner = state.owner(i);
        owner.ownerName = input.name;
        owner.ownerMillesimi = Cell::fromText(input.millesimi);
        owner.meterReading = input.reading;
        owner.readingEstimated = input.estimated;
        owner.takesPart = input.takesPart;
    }
    state.item(1) = ExpenseItem{QStringLiteral("1.234,57"), QStringLiteral("riscaldamento"),
                                QStringLiteral("30/04/2026")};
    state.calcType = MeteredHeating;
    state.meterParameters = MeterParameters();
}

SpeseCheck::WindowChoices meteredChoices()
{
    return SpeseCheck::WindowChoices{true, QStringLiteral("spese"), MeteredHeating};
}

} // namespace

class TestMeteredHeating : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleToTheCent();
    void checkRefusesWhatTheSplitCannotStandOn();
    void readingsFileIsWrittenLineByLine();
    void readingsFileRefusesDamageAndForeignItems();
    void itemWithoutItsReadingsIsNotOpened();
    void firmCsvIsTakenOrRefusedWhole_data();
    void firmCsvIsTakenOrRefusedWhole();
};

// By hand: S = 123457 cents; the consumption part is 70 % = 86419,9, so 86420, and the
// fixed part 37037. Readings 512,5 + 301 + 186,5 = 1000 (owner 4 is out): 44290,25,
// 26012,42 and 16117,33 cents, whose floors leave 1 cent, to owner 2 (largest remainder).
// Millesimi 300 + 200 + 250 = 750: 14814,8, 9876,53 and 12345,67 cents, whose floors leave
// 2 cents, to owners 1 and 3.
void TestMeteredHeating::workedExampleToTheCent()
{
    SharedState state;
    fillExample(state);
    const MeterSplit split = splitByMeters(state, 1);
    QCOMPARE(split.consumptionPart.cents(), 86420);
    QCOMPARE(split.fixedPart.cents(), 37037);
    QCOMPARE(split.consumption.value(1).cents(), 44290);
    QCOMPARE(split.consumption.value(2).cents(), 26013);
    QCOMPARE(split.consumption.value(3).cents(), 16117);
    QCOMPARE(split.fixed.value(1).cents(), 14815);
    QCOMPARE(split.fixed.value(2).cents(), 9876);
    QCOMPARE(split.fixed.value(3).cents(), 12346);
    QCOMPARE(split.shareOf(4).cents(), 0);

    allocateExpense(state, 1);
    const QStringList shares = {state.owner(1).shareAmount, state.owner(2).shareAmount,
                                state.owner(3).shareAmount, state.owner(4).shareAmount};
    QCOMPARE(shares, QStringList({QStringLiteral("591,05"), QStringLiteral("358,89"),
                                  QStringLiteral("284,63"), QStringLiteral("0,00")}));

    // By the heated volume instead: 100 + 100 + 200 m³ split 370,37 as 92,59 / 92,59 /
    // 185,19 (37037 / 4 = 9259,25: the cent left goes to owner 3's 18518,5).
    state.meterParameters.basis = int(MeterBasis::Heating);
    const QStringList volumes = {QStringLiteral("100"), QStringLiteral("100"),
                                 QStringLiteral("200"), QStringLiteral("80")};
    for (int i = 1; i <= 4; ++i)
        state.owner(i).heatingQuantity = Cell::fromText(volumes.at(i - 1));
    const MeterSplit byVolume = splitByMeters(state, 1);
    QCOMPARE(byVolume.fixed.value(1).cents(), 9259);
    QCOMPARE(byVolume.fixed.value(2).cents(), 9259);
    QCOMPARE(byVolume.fixed.value(3).cents(), 18519);
}

void TestMeteredHeating::checkRefusesWhatTheSplitCannotStandOn()
{
    SharedState state;
    fillExample(state);
    const SpeseCheck::WindowChoices choices = meteredChoices();
    QVERIFY(SpeseCheck::check(state, 1, choices).passed);

    state.meterParameters.consumptionPercent = QStringLiteral("45");
    SpeseCheck::Finding finding = SpeseCheck::check(state, 1, choices);
    QVERIFY(!finding.passed);
    QVERIFY(finding.text.contains(QStringLiteral("del 45%")));
    QVERIFY(finding.text.contains(QStringLiteral("d.lgs. 102/2014 (art. 9, comma 5, lettera d")));
    state.meterParameters.consumptionPercent = QStringLiteral("50");
    QVERIFY(SpeseCheck::check(state, 1, choices).passed);
    state.meterParameters.consumptionPercent = QStringLiteral("100,5");
    QVERIFY(!SpeseCheck::check(state, 1, choices).passed);
    state.meterParameters.consumptionPercent = QStringLiteral("70");

    // Only a participant needs a reading.
    state.owner(4).meterReading.clear();
    QVERIFY(SpeseCheck::check(state, 1, choices).passed);
    state.owner(2).meterReading.clear();
    finding = SpeseCheck::check(state, 1, choices);
    QVERIFY(!finding.passed);
    QVERIFY(finding.text.startsWith(QStringLiteral("Condomino n. 2:\n- digitare la lettura")));

    for (int i = 1; i <= 3; ++i)
        state.owner(i).meterReading = QStringLiteral("0");
    finding = SpeseCheck::check(state, 1, choices);
    QVERIFY(!finding.passed);
    QVERIFY(finding.text.startsWith(QStringLiteral("Nessuna quota di consumo")));
    QCOMPARE(SpeseCheck::stepHintRule(state, 1, choices), 15);
    for (int i = 1; i <= 4; ++i)
        state.owner(i).meterReading.clear();
    QCOMPARE(SpeseCheck::stepHintRule(state, 1, choices), 16);
}

void TestMeteredHeating::readingsFileIsWrittenLineByLine()
{
    SharedState state;
    fillExample(state);
    state.ownerCount = 2;
    state.owner(2).demandMillesimi = QStringLiteral("412,5");
    state.meterParameters = MeterParameters{QStringLiteral("72,5"), int(MeterBasis::Demand)};
    const QByteArray expected = "\"VELTRA-LETTURE\",1\r\n"
                                "\"Rossi\",2,\"72,5\",3\r\n"
                                "\"Bianchi\",\"512,5\",0,\r\n"
                                "\"Verdi\",\"301\",0,\"412,5\"\r\n";
    QCOMPARE(MeterReadingsFile::toBytes(state), expected);

    const MeterReadingsFile::LoadResult read = MeterReadingsFile::fromBytes(expected);
    QVERIFY(read.isComplete());
    QCOMPARE(read.parameters, state.meterParameters);
    QCOMPARE(read.owners.at(1).demandMillesimi, QStringLiteral("412,5"));
    QCOMPARE(MeterReadingsFile::companionPath(QStringLiteral("/a/Veltra-spese-Rossi- 2026 3")),
             QStringLiteral("/a/Veltra-letture-spese-Rossi- 2026 3"));
}

void TestMeteredHeating::readingsFileRefusesDamageAndForeignItems()
{
    const QByteArray negative = "\"VELTRA-LETTURE\",1\r\n\"Rossi\",2,\"70\",1\r\n"
                                "\"Bianchi\",\"5\",0,\r\n\"Verdi\",\"-3\",0,\r\n";
    MeterReadingsFile::LoadResult read = MeterReadingsFile::fromBytes(negative);
    QVERIFY(!read.isComplete());
    QCOMPARE(read.failedLine, 4);
    QVERIFY(read.problem.contains(QStringLiteral("condomino n. 2 (Verdi)")));

    read = MeterReadingsFile::fromBytes("\"Rossi\",2,\"1.000,00\",\"luce\",\"01/01/2026\",1\r\n");
    QVERIFY(!read.isComplete());
    QCOMPARE(read.failedLine, 1);

    const QByteArray good = "\"VELTRA-LETTURE\",1\r\n\"Rossi\",1,\"70\",1\r\n"
                            "\"Bianchi\",\"5\",0,\r\n";
    read = MeterReadingsFile::fromBytes(good);
    QVERIFY(read.isComplete());
    ExpenseArchive::LoadResult item;
    item.condoName = QStringLiteral("Rossi");
    item.owners = {ExpenseArchive::OwnerRecord()};
    item.owners[0].ownerName = QStringLiteral("Bianchi");
    QVERIFY(!MeterReadingsFile::foreignReason(read, item));
    item.owners[0].ownerName = QStringLiteral("Bianco");
    QVERIFY(MeterReadingsFile::foreignReason(read, item));
    item.owners.append(ExpenseArchive::OwnerRecord());
    QVERIFY(MeterReadingsFile::foreignReason(read, item));
}

void TestMeteredHeating::itemWithoutItsReadingsIsNotOpened()
{
    QTemporaryDir folder;
    SharedState state;
    fillExample(state);
    ScriptedPlatform platform;
    ExpenseSeries series(state);
    series.setType(ManagementType::Spese);
    series.setCurrentFileName(QDir(folder.path()).filePath(QStringLiteral("x")));
    QString error;
    QVERIFY2(series.save(1, &error), qPrintable(error));
    const QString item = *series.saveNameOf(1);
    const QString companion = MeterReadingsFile::companionPath(item);
    QVERIFY(QFile::exists(companion));

    SharedState reader;
    reader.initSharedStrings();
    ExpenseSeries again(reader);
    again.setType(ManagementType::Spese);
    again.setCurrentFileName(item);
    reader.item(1).expenseDate = state.item(1).expenseDate;
    reader.condoName = state.condoName;
    QCOMPARE(again.open(1, platform).outcome, ExpenseSeries::OpenOutcome::Opened);
    QCOMPARE(reader.owner(3).meterReading, QStringLiteral("186,5"));
    QCOMPARE(reader.owner(3).readingEstimated, 1);

    QVERIFY(QFile::remove(companion));
    reader.owner(3).meterReading = QStringLiteral("unchanged");
    const ExpenseSeries::OpenResult missing = again.open(1, platform);
    QCOMPARE(missing.outcome, ExpenseSeries::OpenOutcome::Unreadable);
    QVERIFY(missing.problem.contains(QStringLiteral("Veltra-letture-spese-Rossi- 2026 1")));
    QCOMPARE(reader.owner(3).meterReading, QStringLiteral("unchanged"));

    // Deleting the item takes its readings with it.
    QVERIFY(series.save(1, &error));
    QVERIFY(QFile::exists(companion));
    platform.fileNames.enqueue(item);
    QVERIFY(series.deleteFile(platform));
    QVERIFY(!QFile::exists(item));
    QVERIFY(!QFile::exists(companion));
}

void TestMeteredHeating::firmCsvIsTakenOrRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("problem");
    QTest::newRow("header, estimate, CR LF")
        << QByteArray("condomino;lettura;stimata\r\n1;512,5;\r\n3;\"186,5\";sì\r\n")
        << QString();
    QTest::newRow("owner not of the item") << QByteArray("1;5\n5;7\n")
                                           << QStringLiteral("riga 2: il condomino \"5\"");
    QTest::newRow("negative") << QByteArray("condomino;lettura\n\n2;-4\n")
                              << QStringLiteral("riga 3: la lettura del condomino n. 2 è negativa");
    QTest::newRow("no number") << QByteArray("2;quattro\n")
                               << QStringLiteral("riga 1: la lettura del condomino n. 2");
    QTest::newRow("twice") << QByteArray("2;4\n2;5\n")
                           << QStringLiteral("riga 2: il condomino n. 2 ha già");
    QTest::newRow("unknown mark") << QByteArray("2;4;forse\n") << QStringLiteral("riga 1:");
}

void TestMeteredHeating::firmCsvIsTakenOrRefusedWhole()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, problem);
    SharedState state;
    fillExample(state);
    const MeterReadingsCsv::Result result = MeterReadingsCsv::parse(csv, state.ownerCount);
    QCOMPARE(result.ok, problem.isEmpty());
    if (!result.ok) {
        QVERIFY2(result.problem.startsWith(problem), qPrintable(result.problem));
        return;
    }
    MeterReadingsCsv::apply(result, state);
    QCOMPARE(state.owner(1).meterReading, QStringLiteral("512,5"));
    QCOMPARE(state.owner(1).readingEstimated, 0);
    QCOMPARE(state.owner(2).meterReading, QString());
    QCOMPARE(state.owner(3).meterReading, QStringLiteral("186,5"));
    QCOMPARE(state.owner(3).readingEstimated, 1);
}

QTEST_GUILESS_MAIN(TestMeteredHeating)
#include "tst_meteredheating.moc"
