#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "support/registryfixture.h"
#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;
using ReportContents::tableRow;

namespace {

const QChar CR(13);
const QChar FF(12);

// Three owners whose rounded millesimi add up to 999,999.
void fillCondominium(SharedState &state)
{
    state.condoName = QStringLiteral("Il Glicine");
    const QList<Unit> room = { RegistryFixture::makeUnit(QStringLiteral("30")) };
    for (int i = 1; i <= 3; ++i) {
        RegistryFixture::addOwner(state, QStringLiteral("Condomino %1").arg(i),
                                  QString::number(i - 1), room,
                                  QStringLiteral("via Roma %1").arg(i));
        state.owner(i).ownerMillesimi = Cell::fromNumber(333.333);
        state.owner(i).useMillesimi = 333.333;
        state.owner(i).stairsMillesimi = 333.333;
    }
    state.owner(2).ownerMillesimi = Cell::fromText(QStringLiteral("333,3334"));
}

} // namespace

class TestMillesimalTablePrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tableOfAllOwnersWithFixedTotal();
    void completePrintPutsTableAfterSheetsOnNewPage();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestMillesimalTablePrintout::init()
{
    m_state = std::make_unique<SharedState>();
    fillCondominium(*m_state);
}

void TestMillesimalTablePrintout::tableOfAllOwnersWithFixedTotal()
{
    const ReportDocument document = MillesimalTablePrintout::build(*m_state);
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks.size(), 4);
    QCOMPARE(blocks[0].text, QStringLiteral("Condominio: Il Glicine") + CR + CR);
    QCOMPARE(blocks[0].fontSize, std::optional<int>(20));
    QVERIFY(blocks[0].bold);
    QVERIFY(blocks[1].text.startsWith(QStringLiteral("Tabella dei millesimi di proprietà per la ripartizione")));
    QVERIFY(blocks[1].text.endsWith(QStringLiteral("= millesimi per scale).") + CR));
    QCOMPARE(blocks[1].fontSize, std::optional<int>(10));
    QVERIFY(!blocks[1].bold);
    QVERIFY(blocks[2].text.endsWith(QStringLiteral("e divise per 1000.") + CR + CR));
    QCOMPARE(blocks[2].fontSize, std::optional<int>(10));

    const ReportTable &table = document.table(1);
    QCOMPARE(table.rows(), 5);
    QCOMPARE(table.columns(), 7);
    QCOMPARE(table.fontSize(), std::optional<int>(8));
    QCOMPARE(tableRow(table, 1), QStringList({ QStringLiteral("numero"), QStringLiteral("nome condomino"),
                                          QStringLiteral("indirizzo"), QStringLiteral("piano"),
                                          QStringLiteral("millesimi di proprietà"),
                                          QStringLiteral("millesimi d'uso"),
                                          QStringLiteral("millesimi per scale") }));
    QCOMPARE(tableRow(table, 3), QStringList({ QStringLiteral(" 2"), QStringLiteral("Condomino 2"),
                                          QStringLiteral("via Roma 2"), QStringLiteral("1"),
                                          QStringLiteral("333,333"), QStringLiteral("333,333"),
                                          QStringLiteral("333,333") }));
    QCOMPARE(tableRow(table, 5), QStringList({ QStringLiteral("Totale"), QString(), QString(), QString(),
                                          QStringLiteral("1000,000"), QStringLiteral("1000,000"),
                                          QStringLiteral("1000,000") }));

    QCOMPARE(document.finishingSteps().size(), 2);
    QCOMPARE(document.finishingSteps()[0].kind, FinishingStep::Kind::JustifyAll);
    using A = ReportAlignment;
    QCOMPARE(document.columnAlignments(1),
             QVector<A>({ A::Justify, A::Justify, A::Justify, A::Right, A::Right, A::Right, A::Right }));
}

void TestMillesimalTablePrintout::completePrintPutsTableAfterSheetsOnNewPage()
{
    const ReportDocument document = CompletePrintout::build(*m_state);
    QCOMPARE(document.tableCount(), 10);
    QCOMPARE(document.table(10).rows(), 5);
    QCOMPARE(document.table(10).cell(5, 7), QStringLiteral("1000,000"));
    QCOMPARE(document.table(1).cell(2, 2), QStringLiteral("Condomino 1"));
    QCOMPARE(document.table(7).cell(2, 2), QStringLiteral("Condomino 3"));

    const QVector<ReportBlock> &blocks = document.blocks();
    const int tableBlock = int(blocks.size()) - 1;
    QCOMPARE(blocks[tableBlock].table, 10);
    QVERIFY(blocks[tableBlock - 2].text.startsWith(FF + QStringLiteral("Tabella dei millesimi")));
    QCOMPARE(blocks[tableBlock - 2].fontSize, std::optional<int>(10));
    QVERIFY(!blocks[tableBlock - 2].bold);
    int boldBlocks = 0;
    for (const ReportBlock &block : blocks)
        boldBlocks += block.bold ? 1 : 0;
    QCOMPARE(boldBlocks, 0);

    // The justifying comes after the sheets' alignment: the unit tables end up justified.
    using A = ReportAlignment;
    QCOMPARE(document.columnAlignments(3), QVector<A>(12, A::Justify));
    QCOMPARE(document.columnAlignments(10)[3], A::Right);
    QCOMPARE(document.finishingSteps().last().table, 10);
}

QTEST_GUILESS_MAIN(TestMillesimalTablePrintout)
#include "tst_millesimaltableprintout.moc"
