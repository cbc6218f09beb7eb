#include "core/registry/condominiumarchive.h"
#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/state/sharedstate.h"
#include "support/officereader.h"
#include "support/pdfreader.h"
#include "support/registryfixture.h"
#include "support/seriesfixture.h"
#include "support/toolprocess.h"

#include <QtTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

namespace {

// The tool built beside the tests; the build may pass its exact place.
QString toolPath()
{
#ifdef VELTRA_TOOL_PATH
    return QStringLiteral(VELTRA_TOOL_PATH);
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/veltra-tool");
#endif
}

// Items 1 and 2 of the 2002 series of condominium Cedri in folder, three owners with
// stale shares; item 2 by the stairs rule, owner 2 has paid it. Returns item 2's file.
QString writeCedriSeries(const QString &folder, bool budget)
{
    SharedState state;
    state.condoName = QStringLiteral("Cedri");
    state.ownerCount = 3;
    for (int i = 1; i <= 3; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via Cedri %1").arg(i);
        owner.takesPart = 1;
        owner.ownerMillesimi = Cell::fromNumber(i == 1 ? 500 : 250);
        owner.floorMillesimi = i == 1 ? QStringLiteral("100,000") : QStringLiteral("450,000");
        owner.shareAmount = QStringLiteral("1,00");
    }
    state.owner(2).paymentDate = QStringLiteral("05/05/2002");
    const QString prefix = folder + (budget ? QStringLiteral("/Veltra-preventivi-Cedri- 2002")
                                            : QStringLiteral("/Veltra-spese-Cedri- 2002"));
    state.item(1) = {QStringLiteral("1.000,00"), QStringLiteral("luce"), QStringLiteral("10/01/2002")};
    state.calcType = 1;
    if (!ExpenseArchive::save(state, 1, !budget, prefix + QStringLiteral(" 1")))
        return QString();
    state.item(2) = {QStringLiteral("500,00"), QStringLiteral("scale"), QStringLiteral("10/02/2002")};
    state.calcType = 5;
    if (!ExpenseArchive::save(state, 2, !budget, prefix + QStringLiteral(" 2")))
        return QString();
    return prefix + QStringLiteral(" 2");
}

} // namespace

class TestVeltraTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTheMillesimalTable();
    void verifiesWithTheStoredHeatingBasis();
    void recomputesTheSharesOfAnExpenseFile();
    void reportsAPercentageLeftOutOfABudgetFile();
    void allocatesAndImportsHeatMeterReadings();
    void rejectsBadArgumentsAndUnreadableFiles_data();
    void rejectsBadArgumentsAndUnreadableFiles();
    void printsTheMillesimalTableToADocument();
    void printsTheCompletePrintAsRtfUnderADocName();
    void printsTheStatementOfAnItemFile();
    void printsPaymentNoticesOfAnItemFile();
    void refusesPaymentNoticesOfABudget();
    void writesPdfWholeAndOneNoticePerOwner();
    void refusesToPrintACondominiumWithoutOwners();
    void printsTheMajoritiesHeadedByTheCondominiumOfDati();
    void printsTheOwnerTenantTableWithoutAnArchive();
    void balanceAndCardOfASeriesAsCsv();
    void paymentPrintoutsLeaveTheSeriesUnwritten();
    void printsNothingFromDataTheCheckRefuses();
    void printsAnItemWithoutDescriptionOnlyWhenForced();
    void keepsChecksAndImportsTheOwnersRegister();
    void refusesASeriesWithADamagedItemWhole_data();
    void refusesASeriesWithADamagedItemWhole();

private:
    QTemporaryDir m_folder;
    QString m_archive;
    QString m_completeArchive;
    QString m_item;
    QString m_budgetItem;
};

void TestVeltraTool::initTestCase()
{
    if (!QFileInfo::exists(toolPath()))
        QSKIP("veltra-tool is not built");
    SharedState state;
    state.condoName = QStringLiteral("Aurora");
    state.heatingBasis = 1;
    addOwner(state, QString::fromUtf8("Rossi, Niccolò"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("30"))});
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"),
             {makeUnit(QStringLiteral("20")), makeUnit(QStringLiteral("50"), {}, QStringLiteral("cantina"), QString())});
    m_archive = m_folder.filePath(QStringLiteral("Veltra-dati-Aurora"));
    QVERIFY(CondominiumArchive::save(state, m_archive));
    // The cellar's volume, which the check asks for under heating by volume.
    state.unit(2, 2).heatingValue = QStringLiteral("80");
    m_completeArchive = m_folder.filePath(QStringLiteral("Veltra-dati-Aurora completo"));
    QVERIFY(CondominiumArchive::save(state, m_completeArchive));
    QFile expenses(m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 1")));
    QVERIFY(expenses.open(QIODevice::WriteOnly));
    expenses.write("\"Aurora\",1,\"100,00\",\"luce\",\"10/01/2001\",1\r\n");

    // An expense item whose stored shares are stale: the tool must not trust them.
    SharedState item;
    item.condoName = QStringLiteral("Aurora");
    item.calcType = 1;
    item.item(1) = {QStringLiteral("1.000,00"), QStringLiteral("luce"),
                    QStringLiteral("10/01/2001")};
    const QStringList names = {QString::fromUtf8("Rossi, Niccolò"), "Bianchi", "Verdi"};
    const QList<double> millesimi = {500, 300, 200};
    for (int i = 1; i <= 3; ++i) {
        item.owner(i).ownerName = names.at(i - 1);
        item.owner(i).ownerMillesimi = Cell::fromNumber(millesimi.at(i - 1));
        item.owner(i).takesPart = i < 3 ? 1 : 0;
        item.owner(i).shareAmount = QStringLiteral("1,00");
    }
    item.ownerCount = 3;
    m_item = m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 2"));
    QVERIFY(ExpenseArchive::save(item, 1, true, m_item));
    item.calcType = 2;
    item.owner(1).fixedPercent = QStringLiteral("70");
    item.owner(2).fixedPercent = QStringLiteral("40");
    m_budgetItem = m_folder.filePath(QStringLiteral("Veltra-preventivi-Aurora- 2001 1"));
    QVERIFY(ExpenseArchive::save(item, 1, false, m_budgetItem));
}

void TestVeltraTool::printsTheMillesimalTable()
{
    const ToolRun run = runTool({QStringLiteral("millesimi"), m_archive});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    // Surfaces 30 and 70: 300 and 700; S = 3, floor 1 takes 333,333…, floor 2 666,666….
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1), QString::fromUtf8("1,\"Rossi, Niccolò\",via Roma 1,1,\"300,000\","
                                            "\"333,333\",\"316,667\""));
    QCOMPARE(lines.at(2), QStringLiteral("2,Bianchi,via Roma 1,2,\"700,000\",\"666,667\","
                                         "\"683,333\""));
}

void TestVeltraTool::verifiesWithTheStoredHeatingBasis()
{
    const ToolRun run = runTool({QStringLiteral("verifica"), m_archive});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QStringLiteral("Condomino n. 2:\n- digitare la cubatura del locale n. 2\n"));

    const ToolRun passed = runTool({QStringLiteral("verifica"), m_completeArchive});
    QCOMPARE(passed.exitCode, 0);
    QCOMPARE(passed.out, QStringLiteral("I dati sono stati immessi correttamente.\n"));
}

void TestVeltraTool::recomputesTheSharesOfAnExpenseFile()
{
    const ToolRun run = runTool({QStringLiteral("ripartisci"), m_item});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    // Owners 1 and 2 take part with 800 millesimi: 1000 × 500/800 and 1000 × 300/800.
    QCOMPARE(run.out, QString::fromUtf8("n.,nome,ripartizione spese\n"
                                        "1,\"Rossi, Niccolò\",\"625,00\"\n"
                                        "2,Bianchi,\"375,00\"\n"
                                        "3,Verdi,\"0,00\"\n"));
}

void TestVeltraTool::reportsAPercentageLeftOutOfABudgetFile()
{
    const ToolRun run = runTool({QStringLiteral("ripartisci"), m_budgetItem});
    QCOMPARE(run.exitCode, 0);
    // 70 + 40 passes 100: owner 2's 40 % is left out; 700 fixed, 300 by 800 millesimi.
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(run.err.contains(QStringLiteral("condomino n. 2")));
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), QString::fromUtf8("1,\"Rossi, Niccolò\",\"887,50\""));
    QCOMPARE(lines.at(2), QStringLiteral("2,Bianchi,\"112,50\""));
}

// Rossi (500) and Bianchi (300) take part in 1.000,00 with readings 300 and 100: 60 % is
// 450,00 and 150,00, the other 400,00 goes 250,00 and 150,00 by millesimi.
void TestVeltraTool::allocatesAndImportsHeatMeterReadings()
{
    const QString csv = m_folder.filePath(QStringLiteral("letture.csv"));
    QFile readings(csv);
    QVERIFY(readings.open(QIODevice::WriteOnly));
    readings.write("condomino;lettura\n1;300\n2;100\n");
    readings.close();
    QFile item(m_item);
    QVERIFY(item.open(QIODevice::ReadOnly));
    const QByteArray before = item.readAll();
    item.close();
    const QStringList byMeters = {QStringLiteral("ripartisci"), m_item, QStringLiteral("--letture"),
                                  csv, QStringLiteral("--consumo"), QStringLiteral("60")};
    const ToolRun run = runTool(byMeters + QStringList{QStringLiteral("--base"),
                                                       QStringLiteral("proprieta")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString::fromUtf8("n.,nome,ripartizione spese\n"
                                        "1,\"Rossi, Niccolò\",\"700,00\"\n"
                                        "2,Bianchi,\"300,00\"\n"
                                        "3,Verdi,\"0,00\"\n"));
    const ToolRun belowHalf = runTool({QStringLiteral("ripartisci"), m_item,
                                       QStringLiteral("--letture"), csv,
                                       QStringLiteral("--consumo"), QStringLiteral("45")});
    QCOMPARE(belowHalf.exitCode, 1);
    QVERIFY(belowHalf.out.isEmpty());
    QVERIFY(belowHalf.err.contains(QStringLiteral("102/2014")));
    QVERIFY(item.open(QIODevice::ReadOnly));
    QCOMPARE(item.readAll(), before);
    item.close();
    QCOMPARE(runTool({QStringLiteral("importa-letture"), m_item, csv}).exitCode, 1);

    // An item of heating by meters takes the readings into the file beside it and its shares.
    SharedState state;
    const ExpenseArchive::LoadResult loaded = ExpenseArchive::load(m_item, true);
    QVERIFY(ExpenseArchive::apply(loaded, state, 1, true));
    state.calcType = MeteredHeating;
    state.meterParameters.consumptionPercent = QStringLiteral("60");
    const QString metered = m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 3"));
    const QString companion = MeterReadingsFile::companionPath(metered);
    QVERIFY(ExpenseArchive::save(state, 1, true, metered));
    QVERIFY(MeterReadingsFile::save(state, companion));
    const ToolRun imported = runTool({QStringLiteral("importa-letture"), metered, csv});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.out, run.out);
    const MeterReadingsFile::LoadResult kept = MeterReadingsFile::load(companion);
    QVERIFY(kept.isComplete());
    QCOMPARE(kept.owners.at(1).meterReading, QStringLiteral("100"));
    QCOMPARE(ExpenseArchive::load(metered, true).owners.at(0).shareAmount, QStringLiteral("700,00"));

    // The season's summary reads every item of the series: the damaged item 1 refuses it.
    const QString summary = m_folder.filePath(QStringLiteral("consumi.odt"));
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("consumi"), metered,
                      QStringLiteral("-o"), summary}).exitCode, 3);
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("consumi"),
                      QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/Veltra-spese-Condominio Le "
                                     "Magnolie- 2026 1"),
                      QStringLiteral("-o"), summary}).exitCode, 0);
    QVERIFY(QFileInfo(summary).size() > 0);

    QVERIFY(QFile::remove(companion));
    const ToolRun missing = runTool({QStringLiteral("ripartisci"), metered});
    QCOMPARE(missing.exitCode, 3);
    QVERIFY(missing.err.contains(QStringLiteral("Veltra-letture-spese-Aurora- 2001 3")));
}

void TestVeltraTool::rejectsBadArgumentsAndUnreadableFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList() << 2;
    QTest::newRow("unknown command") << QStringList{"stampa-tutto", "x"} << 2;
    QTest::newRow("no file") << QStringList{"millesimi"} << 2;
    QTest::newRow("two files") << QStringList{"verifica", "a", "b"} << 2;
    QTest::newRow("unknown printout") << QStringList{"stampa", "preventivo", m_archive, "-o", "x.odt"} << 2;
    QTest::newRow("printout without output") << QStringList{"stampa", "millesimi", m_archive} << 2;
    QTest::newRow("printout of a missing file")
        << QStringList{"stampa", "completa", "/nonexistent/x", "-o", m_folder.filePath("x.odt")} << 3;
    QTest::newRow("missing file") << QStringList{"millesimi", "/nonexistent/Veltra-dati-x"} << 3;
    QTest::newRow("expense file")
        << QStringList{"verifica", m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 1"))}
        << 3;
    QTest::newRow("majorities of a stray file")
        << QStringList{"stampa", "maggioranze", m_archive, "-o", m_folder.filePath("m.odt")} << 2;
    QTest::newRow("owner/tenant table with a missing archive")
        << QStringList{"stampa", "conduttore", "--dati", "/nonexistent/Veltra-dati-x", "-o",
                       m_folder.filePath("c.odt")}
        << 3;
    QTest::newRow("ripartisci without file") << QStringList{"ripartisci"} << 2;
    QTest::newRow("ripartisci by meters without readings")
        << QStringList{"ripartisci", m_item, "--consumo", "70"} << 2;
    QTest::newRow("ripartisci by an unknown basis")
        << QStringList{"ripartisci", m_item, "--letture", "x.csv", "--base", "superficie"} << 2;
    QTest::newRow("bilancio missing file")
        << QStringList{"bilancio", "/nonexistent/Veltra-spese-x- 2001 1"} << 3;
    QTest::newRow("bilancio of a condominium archive") << QStringList{"bilancio", m_archive} << 2;
    QTest::newRow("scheda without owner") << QStringList{"scheda", m_item} << 2;
    QTest::newRow("scheda of an owner not in the series")
        << QStringList{"scheda", m_budgetItem, "7"} << 2;
    QTest::newRow("reminders of a budget")
        << QStringList{"stampa", "solleciti", m_budgetItem, "-o", m_folder.filePath("s.odt")} << 1;
    QTest::newRow("ripartisci missing file")
        << QStringList{"ripartisci", "/nonexistent/Veltra-spese-x- 2001 1"} << 3;
    QTest::newRow("ripartisci truncated item")
        << QStringList{"ripartisci",
                       m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 1"))}
        << 3;
    QTest::newRow("ripartisci condominium archive")
        << QStringList{"ripartisci", m_folder.filePath(QStringLiteral("Veltra-dati-Aurora"))} << 3;
}

void TestVeltraTool::rejectsBadArgumentsAndUnreadableFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(run.err.startsWith(QStringLiteral("veltra-tool: ")));
}

void TestVeltraTool::printsTheMillesimalTableToADocument()
{
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    const QString output = m_folder.filePath(QStringLiteral("tabella.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("millesimi"),
                                 m_completeArchive, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    OfficeReader reader;
    const QStringList text = reader.texts({output}).value(0).split(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("Condominio: Aurora")));
    QVERIFY(text.contains(QString::fromUtf8("Rossi, Niccolò")));
    QVERIFY(text.contains(QStringLiteral("333,333")));
    QCOMPARE(text.count(QStringLiteral("1000,000")), 3);
}

void TestVeltraTool::printsTheCompletePrintAsRtfUnderADocName()
{
    const QString output = m_folder.filePath(QStringLiteral("completa.doc"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("completa"),
                                 m_completeArchive, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QFile document(output);
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.readAll().startsWith("{\\rtf"));
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    // Both owners' sheets, then the table: 30 and 70 of 100 square metres.
    OfficeReader reader;
    const QStringList text = reader.texts({output}).value(0).split(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("Tabella analitica del condomino n. 1")));
    QVERIFY(text.contains(QStringLiteral("Tabella analitica del condomino n. 2")));
    QVERIFY(text.contains(QStringLiteral("cantina")));
    QCOMPARE(text.count(QStringLiteral("Totali")), 2);
    QCOMPARE(text.count(QStringLiteral("300,000")), 4); // sheet row, unit, total; table row
    QVERIFY(text.contains(QStringLiteral("700,000")));
    QVERIFY(text.contains(QStringLiteral("500,000")));
    QCOMPARE(text.count(QStringLiteral("1000,000")), 3);
    QVERIFY(text.indexOf(QStringLiteral("Tabella analitica del condomino n. 2"))
            < text.indexOf(QStringLiteral("1000,000")));
}

void TestVeltraTool::refusesToPrintACondominiumWithoutOwners()
{
    SharedState state;
    state.condoName = QStringLiteral("Vuoto");
    const QString empty = m_folder.filePath(QStringLiteral("Veltra-dati-Vuoto"));
    QVERIFY(CondominiumArchive::save(state, empty));
    const QString output = m_folder.filePath(QStringLiteral("vuoto.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("condomini"), empty,
                                 QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("non vi sono dati da stampare")));
    QVERIFY(!QFileInfo::exists(output));
}

void TestVeltraTool::printsTheStatementOfAnItemFile()
{
    const QString item = writeCedriSeries(m_folder.path(), false);
    QVERIFY(!item.isEmpty());
    const QString output = m_folder.filePath(QStringLiteral("spesa.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), item,
                                 QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QStringList text = reader.texts({output}).value(0).split(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("GESTIONE SPESE  2002  (spesa n. 2)")));
    QVERIFY(text.contains(QStringLiteral("art.1124 Codice Civile (scale)")));
    // Recomputed by the stairs rule: halves 300, 350, 350 of 1000, so 150,00 and 175,00.
    QVERIFY(text.contains(QStringLiteral("150,00")));
    QCOMPARE(text.count(QStringLiteral("175,00")), 2);
    QCOMPARE(text.count(QStringLiteral("450,000")), 2);
}

void TestVeltraTool::printsPaymentNoticesOfAnItemFile()
{
    const QString item = writeCedriSeries(m_folder.path(), false);
    QVERIFY(!item.isEmpty());
    const QString output = m_folder.filePath(QStringLiteral("avvisi.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("avvisi"), item,
                                 QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QString text = reader.texts({output}).value(0);
    // Owner 2 has paid: notices for owners 1 and 3, with the total of items 1 and 2.
    QCOMPARE(text.count(QStringLiteral("Oggetto: avviso di pagamento al condomino n.")), 2);
    QVERIFY(text.contains(QStringLiteral("condomino n. 1")));
    QVERIFY(text.contains(QStringLiteral("condomino n. 3")));
    QCOMPARE(text.count(QStringLiteral("Totale progressivo spese : euro 1.500,00")), 2);
    QCOMPARE(reader.pageCounts({output}), QList<int>({2}));
}

// The same item as the statement and the notices above, now as PDF: the amounts by the
// stairs rule (150,00 for owner 1, 175,00 for owners 2 and 3) read back whole, and with
// --per-condomino the two owners who have not paid get a file each with their own notice.
void TestVeltraTool::writesPdfWholeAndOneNoticePerOwner()
{
    if (!PdfReader::available())
        QSKIP("poppler-utils is not installed");
    const QString item = writeCedriSeries(m_folder.path(), false);
    QVERIFY(!item.isEmpty());
    const QString statement = m_folder.filePath(QStringLiteral("spesa.PDF"));
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), item,
                      QStringLiteral("-o"), statement}).exitCode, 0);
    const QString text = PdfReader::pageTexts(statement).join(QLatin1Char('\n'));
    // The reader of a PDF sees blanks by the gaps between words: two count as one.
    QVERIFY(text.simplified().contains(QStringLiteral("GESTIONE SPESE 2002 (spesa n. 2)")));
    QCOMPARE(text.count(QStringLiteral(" 150,00")), 1);
    QCOMPARE(text.count(QStringLiteral(" 175,00")), 2);

    const QString folder = m_folder.filePath(QStringLiteral("lettere/2002"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("avvisi"), item,
                                 QStringLiteral("--per-condomino"), folder});
    QCOMPARE(run.exitCode, 0);
    const QStringList files = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(files, QStringList({folder + QStringLiteral("/001 Condomino 1.pdf"),
                                 folder + QStringLiteral("/003 Condomino 3.pdf")}));
    const QStringList first = PdfReader::pageTexts(files[0]);
    const QStringList third = PdfReader::pageTexts(files[1]);
    QCOMPARE(first.size(), 1);
    QCOMPARE(third.size(), 1);
    QVERIFY(first[0].contains(QStringLiteral("avviso di pagamento al condomino n. 1\n")));
    QVERIFY(third[0].contains(QStringLiteral("avviso di pagamento al condomino n. 3\n")));
    QVERIFY(!third[0].contains(QStringLiteral("condomino n. 1")));
    QVERIFY(first[0].contains(QString::fromUtf8("La somma da pagare è la seguente: euro 150,00")));
    QVERIFY(third[0].contains(QString::fromUtf8("La somma da pagare è la seguente: euro 175,00")));
    QVERIFY(third[0].contains(QStringLiteral("Totale progressivo spese : euro 1.500,00")));
    QVERIFY(PdfReader::fontsEmbedded(files[1]));

    const ToolRun notLetters = runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), item,
                                        QStringLiteral("--per-condomino"), folder});
    QCOMPARE(notLetters.exitCode, 2);
    QVERIFY(notLetters.err.contains(QStringLiteral("avvisi, consumi, convocazione, ricevute, richiesta-dati, solleciti")));
}

void TestVeltraTool::refusesPaymentNoticesOfABudget()
{
    QTemporaryDir budgetFolder;
    const QString item = writeCedriSeries(budgetFolder.path(), true);
    QVERIFY(!item.isEmpty());
    const QString output = budgetFolder.filePath(QStringLiteral("avvisi.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("avvisi"), item,
                                 QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QStringLiteral("veltra-tool: Attenzione: la stampa deve riguardare le spese e "
                                     "non i preventivi.\n"));
    QVERIFY(!QFileInfo::exists(output));
    const ToolRun statement = runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), item,
                                       QStringLiteral("-o"), output});
    QCOMPARE(statement.exitCode, 0);
    QVERIFY(QFileInfo::exists(output));
}

void TestVeltraTool::printsTheMajoritiesHeadedByTheCondominiumOfDati()
{
    const QString output = m_folder.filePath(QStringLiteral("maggioranze.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("maggioranze"),
                                 QStringLiteral("--dati"), m_archive, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QVERIFY(QFileInfo(output).size() > 0);
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QStringList text = reader.texts({output}).value(0).split(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("Condominio: Aurora")));
    QVERIFY(text.contains(QStringLiteral("numero condomini:  2")));
    QVERIFY(text.contains(QStringLiteral("MAGGIORANZE ASSEMBLEARI")));
    QVERIFY(text.contains(QStringLiteral("18)  Impianti di videosorveglianza sulle parti comuni "
                                         "(art.1122-ter C.C.)")));
}

void TestVeltraTool::printsTheOwnerTenantTableWithoutAnArchive()
{
    const QString output = m_folder.filePath(QStringLiteral("conduttore.doc"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("conduttore"),
                                 QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QFile document(output);
    QVERIFY(document.open(QIODevice::ReadOnly));
    const QByteArray rtf = document.readAll();
    QVERIFY(rtf.startsWith("{\\rtf"));
    QVERIFY(rtf.contains("Condominio: \\par"));
    QVERIFY(rtf.contains("Sgombero neve"));
}

// The balance of three items of 1.000,00, 500,00 and 300,00 among four owners, of whom
// owners 1 and 2 paid item 1; a description with a comma is quoted.
void TestVeltraTool::balanceAndCardOfASeriesAsCsv()
{
    QTemporaryDir folder;
    const QStringList amounts = {QStringLiteral("1.000,00"), QStringLiteral("500,00"),
                                 QStringLiteral("300,00")};
    const QStringList shares = {QStringLiteral("250,00"), QStringLiteral("125,00"),
                                QStringLiteral("75,00")};
    const QStringList descriptions = {QStringLiteral("pulizia"), QStringLiteral("luce, gas"),
                                      QStringLiteral("ascensore")};
    QString first;
    for (int k = 1; k <= 3; ++k) {
        SeriesFixture::Item item{amounts[k - 1], descriptions[k - 1],
                                 QStringLiteral("10/0%1/2001").arg(k + 4),
                                 QStringList(4, shares[k - 1]), {}, {}};
        if (k == 1)
            item.paymentDates = {QStringLiteral("11/05/2001"), QStringLiteral("12/05/2001"),
                                 QString(), QString()};
        const QString path = SeriesFixture::writeItem(folder.path(), ManagementType::Spese,
                                                      QStringLiteral("Rossi"), k, item);
        if (k == 1)
            first = path;
    }
    const ToolRun balance = runTool({QStringLiteral("bilancio"), first});
    QCOMPARE(balance.exitCode, 0);
    QCOMPARE(balance.out,
             QStringLiteral("n.,ENTRATE,quote da pagare,data della spesa,tipo di spesa,USCITE\n"
                            " 1,\"500,00\",\"500,00\",10/05/2001,pulizia,\"1.000,00\"\n"
                            " 2,\"0,00\",\"500,00\",10/06/2001,\"luce, gas\",\"500,00\"\n"
                            " 3,\"0,00\",\"300,00\",10/07/2001,ascensore,\"300,00\"\n"
                            "totali,\"500,00\",\"1.300,00\",,,\"1.800,00\"\n"));
    const ToolRun card = runTool({QStringLiteral("scheda"), first, QStringLiteral("2")});
    QCOMPARE(card.exitCode, 0);
    QCOMPARE(card.out,
             QStringLiteral("n.,spesa totale,tipo di spesa,data della spesa,data del pagamento,"
                            "data del sollecito,spesa ripartita\n"
                            " 1,\"1.000,00\",pulizia,10/05/2001,12/05/2001,----------,\"250,00\"\n"
                            " 2,\"500,00\",\"luce, gas\",10/06/2001,----------,----------,\"125,00\"\n"
                            " 3,\"300,00\",ascensore,10/07/2001,----------,----------,\"75,00\"\n"
                            "totali,\"1.800,00\",,,,,\"450,00\"\n"));
}

void TestVeltraTool::paymentPrintoutsLeaveTheSeriesUnwritten()
{
    QTemporaryDir folder;
    const QString first =
        SeriesFixture::writeGenerated(folder.path(), QStringLiteral("Rossi"), 3, 4);
    auto bytesOf = [&folder]() {
        QByteArray all;
        for (const QString &name : QDir(folder.path()).entryList({QStringLiteral("Veltra-*")})) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                all += file.readAll();
        }
        return all;
    };
    const QByteArray before = bytesOf();
    QString third = first;
    third.chop(1);
    third += QLatin1Char('3');
    const QString reminders = folder.filePath(QStringLiteral("solleciti.odt"));
    for (const char *kind : {"pagamenti", "tuttipagamenti", "ricevute", "schede", "bilancio"}) {
        const ToolRun run = runTool({QStringLiteral("stampa"), QString::fromLatin1(kind), first,
                                     QStringLiteral("-o"), folder.filePath(QStringLiteral("%1.odt").arg(kind))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("%1.odt").arg(kind))).size() > 0);
    }
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("solleciti"), third,
                                 QStringLiteral("-o"), reminders});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(bytesOf(), before);
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QString text = reader.texts({reminders}).value(0);
    // Of item 3 of the generated series only owner 3 has not paid: (3 + 3) % 3 is 0.
    QCOMPARE(text.count(QStringLiteral("Oggetto: sollecito di pagamento al condomino n.")), 1);
    QVERIFY(text.contains(QStringLiteral("condomino n. 3")));
    QVERIFY(text.contains(QStringLiteral("(spesa n. 3)")));
}

// A surface typed "cinquantotto" stops the millesimal computation: no condominium printout
// may come of it, forced or not, and the tool says what the check says.
void TestVeltraTool::printsNothingFromDataTheCheckRefuses()
{
    SharedState state;
    state.condoName = QStringLiteral("Tigli");
    addOwner(state, QStringLiteral("Ferretti"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("cinquantotto"))});
    addOwner(state, QStringLiteral("Colombo"), QStringLiteral("2"), {makeUnit(QStringLiteral("40"))});
    const QString archive = m_folder.filePath(QStringLiteral("Veltra-dati-Tigli"));
    QVERIFY(CondominiumArchive::save(state, archive));
    const ToolRun check = runTool({QStringLiteral("verifica"), archive});
    QCOMPARE(check.exitCode, 1);
    const QString output = m_folder.filePath(QStringLiteral("tigli.odt"));
    for (const char *kind : {"millesimi", "completa", "condomini"}) {
        for (const QStringList &force : {QStringList(), QStringList{QStringLiteral("--forza")}}) {
            const ToolRun run = runTool(QStringList{QStringLiteral("stampa"), QString::fromLatin1(kind),
                                                    archive} + force
                                        + QStringList{QStringLiteral("-o"), output});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err, QStringLiteral("veltra-tool: ") + check.out);
            QVERIFY(!QFileInfo::exists(output));
        }
    }
}

// A missing description is a warning of the expense window's check, as in the window.
void TestVeltraTool::printsAnItemWithoutDescriptionOnlyWhenForced()
{
    SharedState item;
    item.condoName = QStringLiteral("Aurora");
    item.calcType = 1;
    item.item(1) = {QStringLiteral("300,00"), QString(), QStringLiteral("10/01/2001")};
    item.ownerCount = 1;
    item.owner(1).ownerName = QStringLiteral("Rossi");
    item.owner(1).ownerMillesimi = Cell::fromNumber(1000);
    item.owner(1).takesPart = 1;
    const QString path = m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2003 1"));
    QVERIFY(ExpenseArchive::save(item, 1, true, path));
    const QString output = m_folder.filePath(QStringLiteral("senza.odt"));
    const ToolRun refused = runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), path,
                                     QStringLiteral("-o"), output});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("Digitare il tipo di spesa.")), qPrintable(refused.err));
    QVERIFY(!QFileInfo::exists(output));
    const ToolRun forced = runTool({QStringLiteral("stampa"), QStringLiteral("spesa"), path,
                                    QStringLiteral("--forza"), QStringLiteral("-o"), output});
    QCOMPARE(forced.exitCode, 0);
    QVERIFY(QFileInfo::exists(output));
}

void TestVeltraTool::refusesASeriesWithADamagedItemWhole_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("command"); // the series' item 1 is added after the first word
    QTest::addColumn<QString>("message");
    QTest::newRow("balance, item 2 cut short")
        << "cut" << QStringList{"bilancio"}
        << QString::fromUtf8("La spesa n.2 (file \"Veltra-spese-Rossi- 2001 2\") non è stata contata: riga 4");
    QTest::newRow("card, item 2 of another condominium")
        << "condo" << QStringList{"scheda", "2"}
        << QString::fromUtf8("è del condominio \"Le Rose\", non di \"Rossi\"");
    QTest::newRow("printed cards, a payment in words")
        << "payment" << QStringList{"stampa", "schede", "-o", "schede.odt"}
        << QString::fromUtf8("la data di pagamento del condomino n. 1 (Condomino 1): \"non pagato\"");
    QTest::newRow("shares of an amount in words")
        << "amount" << QStringList{"ripartisci"}
        << QString::fromUtf8("riga 1, la somma da ripartire: \"mille\" non è un numero");
    QTest::newRow("balance, a share of 400 digits")
        << "share" << QStringList{"bilancio"} << QString::fromUtf8("la ripartizione del condomino n. 2");
}

// Items 1 and 3 are sound, item 2 is damaged (item 1 for an amount in words): every command
// fails with the damage named, and nothing is written on its output.
void TestVeltraTool::refusesASeriesWithADamagedItemWhole()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, command);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QString first;
    for (int k = 1; k <= 3; ++k) {
        SeriesFixture::Item item{QStringLiteral("600,00"), QStringLiteral("spesa %1").arg(k),
                                 QStringLiteral("10/0%1/2001").arg(k),
                                 {QStringLiteral("200,00"), QStringLiteral("400,00")}, {}, {}};
        const bool damaged = k == (damage == QLatin1String("amount") ? 1 : 2);
        QString condo = QStringLiteral("Rossi");
        if (damaged && damage == QLatin1String("condo"))
            condo = QStringLiteral("Le Rose");
        if (damaged && damage == QLatin1String("payment"))
            item.paymentDates = {QStringLiteral("non pagato"), QString()};
        if (damaged && damage == QLatin1String("amount"))
            item.amount = QStringLiteral("mille");
        if (damaged && damage == QLatin1String("share"))
            item.shares[1] = QString(400, QLatin1Char('9'));
        const QString path = SeriesFixture::writeItemNamedFor(
            folder.path(), ManagementType::Spese, condo, QStringLiteral("Rossi"), 2001, k, item);
        if (damaged && damage == QLatin1String("cut"))
            QVERIFY(QFile::resize(path, QFileInfo(path).size() - 10));
        if (k == 1)
            first = path;
    }
    QStringList arguments = command;
    arguments.insert(command.first() == QLatin1String("stampa") ? 2 : 1, first);
    if (arguments.contains(QStringLiteral("-o")))
        arguments.last() = folder.filePath(arguments.last());
    const ToolRun run = runTool(arguments);
    QVERIFY(run.exitCode > 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("schede.odt"))));
}

// On a copy of the sample: owner 9 is the one record left incomplete.
void TestVeltraTool::keepsChecksAndImportsTheOwnersRegister()
{
    const QString name = QStringLiteral("Condominio Le Magnolie");
    QTemporaryDir folder;
    for (const QString &prefix : {QStringLiteral("Veltra-dati-"), QStringLiteral("Veltra-anagrafe-")}) {
        QVERIFY(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/") + prefix + name,
                            folder.filePath(prefix + name)));
        QFile::setPermissions(folder.filePath(prefix + name), QFile::ReadOwner | QFile::WriteOwner);
    }
    const QString archive = folder.filePath(QStringLiteral("Veltra-dati-") + name);
    QFile registerFile(folder.filePath(QStringLiteral("Veltra-anagrafe-") + name));

    const ToolRun csv = runTool({QStringLiteral("anagrafe"), archive});
    QCOMPARE(csv.exitCode, 0);
    QCOMPARE(csv.out.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("persona;1;proprietario;Ferretti Giorgio;FRRGRG58C14A944Y;via Castiglione "
                            "42, 40124 Bologna;;;051 331 2044"));
    const ToolRun check = runTool({QStringLiteral("controlla-anagrafe"), archive});
    QCOMPARE(check.exitCode, 1);
    QCOMPARE(check.out.count(QStringLiteral("condomino n.")), 1);
    QVERIFY(check.out.startsWith(QStringLiteral("condomino n. 9 (Caruso Giovanna)\n")));
    QVERIFY(check.out.contains(QStringLiteral("mancante: il codice fiscale di Caruso Giovanna")));

    QFile rows(folder.filePath(QStringLiteral("anagrafe.csv")));
    QVERIFY(rows.open(QIODevice::WriteOnly));
    rows.write("persona;9;proprietario;Caruso Giovanna;CRSGNN61D44A944N;via Verdi 14;;;\n"
               "unita;9;1;Bologna;182;415;11;A/2\n"
               "unita;9;7;Bologna;182;415;12;C/2\n");
    rows.close();
    QVERIFY(registerFile.open(QIODevice::ReadOnly));
    const QByteArray before = registerFile.readAll();
    registerFile.close();
    const ToolRun refused = runTool({QStringLiteral("importa-anagrafe"), archive, rows.fileName()});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("riga 3: il condomino n. 9 non ha il locale \"7\"")),
             qPrintable(refused.err));
    QVERIFY(registerFile.open(QIODevice::ReadOnly));
    QCOMPARE(registerFile.readAll(), before);
    registerFile.close();
    QVERIFY(rows.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rows.write("persona;9;proprietario;Caruso Giovanna;CRSGNN61D44A944N;via Verdi 14;;;\n"
               "unita;9;1;Bologna;182;415;11;A/2\n");
    rows.close();
    QCOMPARE(runTool({QStringLiteral("importa-anagrafe"), archive, rows.fileName()}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("controlla-anagrafe"), archive}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("richiesta-dati"), archive,
                      QStringLiteral("-o"), folder.filePath(QStringLiteral("r.odt"))})
                 .exitCode,
             1);
}

QTEST_GUILESS_MAIN(TestVeltraTool)
#include "tst_veltratool.moc"
