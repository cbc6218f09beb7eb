#include "core/state/sharedstate.h"
#include "reports/tenancy/tenantsplitprintout.h"
#include "support/reportcontents.h"

#include <QTest>

using namespace veltra;

class TestTenantSplitPrintout : public QObject
{
    Q_OBJECT

private slots:
    void headingLinesBeforeTheTable();
    void tableHasTheHeadingRowAndSeventyFourKinds_data();
    void tableHasTheHeadingRowAndSeventyFourKinds();
    void percentageColumnsAreRightAligned();
};

void TestTenantSplitPrintout::headingLinesBeforeTheTable()
{
    SharedState state;
    state.condoName = QStringLiteral("Aurora");
    state.ownerCount = 12;
    const ReportDocument document = TenantSplitPrintout::build(state);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             (QStringList{QStringLiteral("Condominio: Aurora\r"),
                          QStringLiteral("numero condomini:  12\r\r\r"),
                          QStringLiteral("GESTIONE SPESE: ripartizione delle spese tra locatore e "
                                         "conduttore\r")}));
    QCOMPARE(document.blocks().at(0).fontSize.value_or(0), 20);
    QCOMPARE(document.blocks().at(1).fontSize.value_or(0), 12);
    QCOMPARE(document.blocks().at(2).fontSize.value_or(0), 12);
    QCOMPARE(document.blocks().at(3).kind, ReportBlock::Kind::Table);
}

void TestTenantSplitPrintout::tableHasTheHeadingRowAndSeventyFourKinds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("heading") << 1
                             << QStringList{"n.", "tipologia", "spesa", "% al locatore", "% al conduttore"};
    QTest::newRow("lift, extraordinary") << 5
        << QStringList{" 4", "Ascensore", "Installazione e manutenzione straordinaria degli impianti",
                       "100", "0"};
    QTest::newRow("porter's salary") << 61
        << QStringList{" 60", "Portierato",
                       "Trattamento economico del portiere e del sostituto, compresi contributi "
                       "previdenziali e assicurativi, liquidazione, ecc.",
                       "10", "90"};
    QTest::newRow("snow") << 75
        << QStringList{" 74", "Sgombero neve", "Spese relative al servizio, compresi i materiali d'uso",
                       "0", "100"};
}

void TestTenantSplitPrintout::tableHasTheHeadingRowAndSeventyFourKinds()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    const ReportDocument document = TenantSplitPrintout::build(SharedState());
    QCOMPARE(document.tableCount(), 1);
    const ReportTable &table = document.table(1);
    QCOMPARE(table.rows(), 75);
    QCOMPARE(table.columns(), 5);
    QCOMPARE(table.fontSize().value_or(0), 8);
    QCOMPARE(ReportContents::tableRow(table, row), cells);
}

void TestTenantSplitPrintout::percentageColumnsAreRightAligned()
{
    const ReportDocument document = TenantSplitPrintout::build(SharedState());
    QCOMPARE(document.columnAlignments(1),
             (QVector<ReportAlignment>{ReportAlignment::Left, ReportAlignment::Left,
                                       ReportAlignment::Left, ReportAlignment::Right,
                                       ReportAlignment::Right}));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Left);
}

QTEST_APPLESS_MAIN(TestTenantSplitPrintout)
#include "tst_tenantsplitprintout.moc"
