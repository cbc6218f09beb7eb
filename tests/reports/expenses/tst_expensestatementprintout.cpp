#include "core/expenses/expenseallocation.h"
#include "core/state/sharedstate.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/document/printstatus.h"
#include "support/reportcontents.h"

#include <QtTest>

#include <memory>

using namespace veltra;
using ReportContents::tableRow;
using ReportContents::paragraphTexts;

namespace {

const QChar CR(13);

// Five owners with every input of every criterion filled, so that what the statement
// leaves empty is left out on purpose.
void fillExpenses(SharedState &state)
{
    state.condoName = QStringLiteral("Le Querce");
    state.ownerCount = 5;
    for (int i = 1; i <= 5; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via dei Mille %1").arg(i);
        owner.takesPart = i == 4 ? 0 : 1;
        owner.fixedPercent = QStringLiteral("10");
        owner.ownerMillesimi = Cell::fromNumber(200 + i / 1000.0);
        owner.floorMillesimi = QStringLiteral("190,500");
        owner.heatingQuantity = Cell::fromNumber(120.5);
        owner.oneThirdFlag = i == 1 ? 1 : 0;
        owner.twoThirdsPercent = QStringLiteral("50");
        owner.shareAmount = QStringLiteral("1.234,50");
    }
    for (int k = 1; k <= 4; ++k) {
        state.item(k).expenseAmount = QStringLiteral("%1.000,00").arg(k);
        state.item(k).expenseType = QStringLiteral("pulizia scale %1").arg(k);
        state.item(k).expenseDate = QStringLiteral("1%1/03/2001").arg(k);
    }
    state.calcType = PerMillesimi;
}

// The owners table of every section is its third table.
QList<int> ownerTables(const ReportDocument &document)
{
    QList<int> tables;
    for (int table = 3; table <= document.tableCount(); table += 3)
        tables << table;
    return tables;
}

} // namespace

class TestExpenseStatementPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sectionHasHeadItemLegendAndOwners();
    void budgetHeadingAndUnknownCriterion();
    void dateWithoutYearLeavesTheYearOut();
    void columnsFilledPerCriterion_data();
    void columnsFilledPerCriterion();
    void allItemsFromCurrentMoveUntilAnItemWithoutAmount();
    void allItemsStopAfterItem200();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestExpenseStatementPrintout::init()
{
    m_state = std::make_unique<SharedState>();
    fillExpenses(*m_state);
}

void TestExpenseStatementPrintout::sectionHasHeadItemLegendAndOwners()
{
    m_state->calcType = StairsArt1124;
    const ReportDocument document = ExpenseStatementPrintout::build(*m_state, 3, ManagementType::Spese);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ExpenseStatementPrintout::openingStatus(), QStringLiteral("sto caricando WORD"));
    QCOMPARE(ExpenseStatementPrintout::closingStatus(), QStringLiteral("ho visualizzato i dati su WORD"));

    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks.size(), 10);
    QCOMPARE(blocks[0].text, QStringLiteral("Condominio: Le Querce") + CR + CR);
    QCOMPARE(blocks[0].fontSize, std::optional<int>(20));
    QCOMPARE(blocks[1].text, QStringLiteral("GESTIONE SPESE  2001  (spesa n. 3)") + CR);
    QCOMPARE(blocks[1].fontSize, std::optional<int>(12));
    QCOMPARE(blocks[2].text, QStringLiteral("numero condomini:  5") + CR + CR);
    QCOMPARE(blocks[3].text, QString());
    QCOMPARE(blocks[4].kind, ReportBlock::Kind::Table);
    QCOMPARE(blocks[5].text, QString(CR) + QStringLiteral("Legenda"));
    QCOMPARE(blocks[5].fontSize, std::optional<int>(10));
    QCOMPARE(blocks[6].text, QString());
    QCOMPARE(blocks[8].text, QString());
    QCOMPARE(blocks[9].kind, ReportBlock::Kind::Table);

    QCOMPARE(document.tableCount(), 3);
    const ReportTable &item = document.table(1);
    QCOMPARE(item.rows(), 5);
    QCOMPARE(item.fontSize(), std::optional<int>(10));
    QCOMPARE(tableRow(item, 1), QStringList({"tipologia", "valore"}));
    QCOMPARE(tableRow(item, 2), QStringList({"somma da ripartire", "3.000,00"}));
    QCOMPARE(tableRow(item, 3), QStringList({"tipo di spesa", "pulizia scale 3"}));
    QCOMPARE(tableRow(item, 4), QStringList({"data", "13/03/2001"}));
    QCOMPARE(tableRow(item, 5), QStringList({"tipo di calcolo", "art.1124 Codice Civile (scale)"}));

    const ReportTable &legend = document.table(2);
    QCOMPARE(legend.rows(), 12);
    QCOMPARE(tableRow(legend, 1), QStringList({"simbolo", "significato"}));
    QCOMPARE(tableRow(legend, 6), QStringList({"perc.%", "percentuale di ripartizione per convenzione"}));
    QCOMPARE(tableRow(legend, 11), QStringList({"2/3 %", QString::fromUtf8(
        "percentuale di partecipazione alla ripartizione di due terzi per lastrici solari")}));
    QCOMPARE(tableRow(legend, 12), QStringList({"spesa", "spesa ripartita"}));

    const ReportTable &owners = document.table(3);
    QCOMPARE(owners.rows(), 6);
    QCOMPARE(owners.columns(), 11);
    QCOMPARE(owners.fontSize(), std::optional<int>(8));
    QCOMPARE(tableRow(owners, 1), QString::fromUtf8("sì/no|n.|nome|indirizzo|perc.%|millesimi|piano|"
                                               "risc.|1/3|2/3 %|spesa").split('|'));
    QCOMPARE(tableRow(owners, 5), QStringList({"no", " 4", "Condomino 4", "via dei Mille 4", "",
                                          "200,004", "190,500", "", "", "", "1.234,50"}));
    QCOMPARE(owners.cell(2, 1), QString::fromUtf8("sì"));

    const QVector<ReportAlignment> alignments = document.columnAlignments(3);
    for (int column = 1; column <= 11; ++column)
        QCOMPARE(alignments[column - 1],
                 column >= 5 ? ReportAlignment::Right : ReportAlignment::Left);
}

void TestExpenseStatementPrintout::budgetHeadingAndUnknownCriterion()
{
    m_state->calcType = 9;
    const ReportDocument document =
        ExpenseStatementPrintout::build(*m_state, 12, ManagementType::Preventivi);
    QCOMPARE(document.blocks()[1].text, QStringLiteral("GESTIONE PREVENTIVI  (spesa n. 12)") + CR);
    QCOMPARE(document.table(1).cell(5, 2), QStringLiteral("per millesimi"));
    QCOMPARE(document.table(1).cell(2, 2), QString());
}

void TestExpenseStatementPrintout::dateWithoutYearLeavesTheYearOut()
{
    m_state->item(2).expenseDate = QStringLiteral("marzo");
    const ReportDocument document = ExpenseStatementPrintout::build(*m_state, 2, ManagementType::Spese);
    QCOMPARE(document.blocks()[1].text, QStringLiteral("GESTIONE SPESE  (spesa n. 2)") + CR);
    QCOMPARE(document.table(1).cell(4, 2), QStringLiteral("marzo"));
}

void TestExpenseStatementPrintout::columnsFilledPerCriterion_data()
{
    QTest::addColumn<int>("calcType");
    QTest::addColumn<QList<int>>("filled");
    const QList<int> always = { 1, 2, 3, 4, 11 };
    QTest::newRow("none chosen") << 0 << always;
    QTest::newRow("per millesimi") << 1 << always;
    QTest::newRow("per convenzione") << 2 << (always + QList<int>{ 5 });
    QTest::newRow("cubatura") << 3 << (always + QList<int>{ 8 });
    QTest::newRow("superficie radiante") << 4 << (always + QList<int>{ 8 });
    QTest::newRow("art.1124") << 5 << (always + QList<int>{ 6, 7 });
    QTest::newRow("art.1126") << 6 << (always + QList<int>{ 9, 10 });
    QTest::newRow("out of range") << 8 << always;
}

void TestExpenseStatementPrintout::columnsFilledPerCriterion()
{
    QFETCH(int, calcType);
    QFETCH(QList<int>, filled);
    m_state->calcType = calcType;
    const ReportTable &owners =
        ExpenseStatementPrintout::build(*m_state, 1, ManagementType::Spese).table(3);
    for (int i = 1; i <= 5; ++i) {
        for (int column = 1; column <= 11; ++column) {
            QVERIFY2(owners.cell(i + 1, column).isEmpty() != filled.contains(column),
                     qPrintable(QStringLiteral("owner %1, column %2").arg(i).arg(column)));
        }
    }
    if (calcType == RoofTerraceArt1126)
        QCOMPARE(owners.cell(2, 9) + owners.cell(3, 9), QString::fromUtf8("sìno"));
}

void TestExpenseStatementPrintout::allItemsFromCurrentMoveUntilAnItemWithoutAmount()
{
    // Each item of the series has its own criterion; moving loads it like the window does.
    const QList<int> criteria = { 0, PerMillesimi, PerConvenzione, StairsArt1124,
                                  HeatingByVolume, PerMillesimi };
    QList<int> moves;
    const auto moveTo = [&](int j) {
        moves << j;
        m_state->calcType = criteria.value(j);
    };
    m_state->calcType = criteria[2];
    const ReportDocument document =
        ExpenseStatementPrintout::buildFrom(*m_state, 2, ManagementType::Spese, moveTo);

    QCOMPARE(moves, QList<int>({ 3, 4, 5 }));
    QCOMPARE(document.tableCount(), 9);
    const QStringList paragraphs = paragraphTexts(document);
    QCOMPARE(paragraphs.filter(QStringLiteral("GESTIONE SPESE")),
             QStringList({ QStringLiteral("GESTIONE SPESE  2001  (spesa n. 2)") + CR,
                           QStringLiteral("GESTIONE SPESE  2001  (spesa n. 3)") + CR,
                           QStringLiteral("GESTIONE SPESE  2001  (spesa n. 4)") + CR }));
    QCOMPARE(document.table(1).cell(2, 2), QStringLiteral("2.000,00"));
    QCOMPARE(document.table(7).cell(2, 2), QStringLiteral("4.000,00"));
    // Each section fills the columns of its own item's criterion.
    QCOMPARE(document.table(3).cell(2, 5), QStringLiteral("10"));
    QCOMPARE(document.table(6).cell(2, 7), QStringLiteral("190,500"));
    QCOMPARE(document.table(9).cell(2, 8), QStringLiteral("120,5"));
    for (int table : ownerTables(document)) {
        const QVector<ReportAlignment> alignments = document.columnAlignments(table);
        QCOMPARE(alignments.mid(4), QVector<ReportAlignment>(7, ReportAlignment::Right));
        QCOMPARE(alignments[3], ReportAlignment::Left);
    }
}

void TestExpenseStatementPrintout::allItemsStopAfterItem200()
{
    for (int k = 1; k <= MaxItems; ++k)
        m_state->item(k).expenseAmount = QStringLiteral("10,00");
    QList<int> moves;
    const ReportDocument document = ExpenseStatementPrintout::buildFrom(
        *m_state, 198, ManagementType::Spese, [&](int j) { moves << j; });
    QCOMPARE(moves, QList<int>({ 199, 200 }));
    QCOMPARE(document.tableCount(), 9);
    QCOMPARE(paragraphTexts(document).filter(QStringLiteral("GESTIONE")).last(),
             QStringLiteral("GESTIONE SPESE  (spesa n. 200)") + CR);
}

QTEST_GUILESS_MAIN(TestExpenseStatementPrintout)
#include "tst_expensestatementprintout.moc"
