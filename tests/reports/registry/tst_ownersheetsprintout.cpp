#include "core/state/sharedstate.h"
#include "reports/registry/ownersheetsprintout.h"
#include "reports/document/printstatus.h"
#include "support/registryfixture.h"
#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;
using ReportContents::tableRow;

namespace {

const QChar CR(13);
const QChar FF(12);

// Eight owners; owner 3 holds no units, owner 7 two units typed as the user types them.
void fillCondominium(SharedState &state)
{
    state.condoName = QStringLiteral("Il Glicine");
    for (int i = 1; i <= 8; ++i) {
        QList<Unit> units;
        if (i != 3) {
            units << RegistryFixture::makeUnit(QStringLiteral("25,5"), {}, QStringLiteral("camera"));
            units << RegistryFixture::makeUnit(QStringLiteral("10"),
                                               { QStringLiteral("0,9"), QStringLiteral("1"),
                                                 QStringLiteral("0,95"), QStringLiteral("1"),
                                                 QStringLiteral("1"), QStringLiteral("1"),
                                                 QStringLiteral("1,0") },
                                               QStringLiteral("cucina"));
        }
        RegistryFixture::addOwner(state, QStringLiteral("Condomino %1").arg(i), QString::number(i), units);
        Owner &owner = state.owner(i);
        owner.ownerMillesimi = Cell::fromNumber(125 + i / 1000.0);
        owner.useMillesimi = 120.5;
        owner.stairsMillesimi = 122.75;
        for (int j = 1; j <= owner.unitCount; ++j) {
            owner.unitFigures[j].virtualSurface = 20.25 * j;
            owner.unitFigures[j].unitMillesimi = 62.5 * j;
        }
    }
}

} // namespace

class TestOwnerSheetsPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void oneOwnerSheetHasNoPageBreak();
    void unitTableShowsFormattedValuesAndOwnTotals();
    void ownerWithoutUnitsGetsThreeRows();
    void allOwnersEachOnNewPageWithTheirTables();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestOwnerSheetsPrintout::init()
{
    m_state = std::make_unique<SharedState>();
    fillCondominium(*m_state);
}

void TestOwnerSheetsPrintout::oneOwnerSheetHasNoPageBreak()
{
    const ReportDocument document = OwnerSheetsPrintout::build(*m_state, 7);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks[0].text, QStringLiteral("Condominio: Il Glicine") + CR + CR);
    QCOMPARE(blocks[0].fontSize, std::optional<int>(20));
    QCOMPARE(blocks[1].text, QStringLiteral("Tabella analitica del condomino n. 7") + CR + CR);
    QCOMPARE(blocks[1].fontSize, std::optional<int>(12));
    for (const ReportBlock &block : blocks)
        QVERIFY(!block.text.contains(FF));
    QCOMPARE(document.tableCount(), 3);

    const ReportTable &data = document.table(1);
    QCOMPARE(data.rows(), 7);
    QCOMPARE(data.fontSize(), std::optional<int>(10));
    QCOMPARE(tableRow(data, 1), QStringList({ QStringLiteral("tipologia"), QStringLiteral("dati") }));
    QCOMPARE(tableRow(data, 2), QStringList({ QStringLiteral("nome condomino"), QStringLiteral("Condomino 7") }));
    QCOMPARE(tableRow(data, 4), QStringList({ QStringLiteral("numero del piano"), QStringLiteral("7") }));
    QCOMPARE(tableRow(data, 5), QStringList({ QStringLiteral("millesimi di proprietà"), QStringLiteral("125,007") }));
    QCOMPARE(tableRow(data, 6), QStringList({ QStringLiteral("millesimi d'uso"), QStringLiteral("120,500") }));
    QCOMPARE(tableRow(data, 7), QStringList({ QStringLiteral("millesimi per le scale"), QStringLiteral("122,750") }));

    const ReportTable &legend = document.table(2);
    QCOMPARE(legend.rows(), 14);
    QCOMPARE(tableRow(legend, 14).first(), QStringLiteral("risc."));
    QCOMPARE(blocks[3].text, QString(CR) + CR + QStringLiteral("Legenda:") + CR);
    QCOMPARE(blocks[3].fontSize, std::optional<int>(10));

    QCOMPARE(document.finishingSteps().size(), 1);
    const FinishingStep &step = document.finishingSteps().first();
    QCOMPARE(step.kind, FinishingStep::Kind::AlignColumnsRight);
    QCOMPARE(step.table, 3);
    QCOMPARE(step.firstColumn, 3);
    QCOMPARE(step.lastColumn, 12);
    QCOMPARE(OwnerSheetsPrintout::openingStatus(), PrintStatus::LoadingOwnerData);
}

void TestOwnerSheetsPrintout::unitTableShowsFormattedValuesAndOwnTotals()
{
    const ReportDocument document = OwnerSheetsPrintout::build(*m_state, 7);
    const ReportTable &units = document.table(3);
    QCOMPARE(units.rows(), 5);
    QCOMPARE(units.columns(), 12);
    QCOMPARE(units.fontSize(), std::optional<int>(8));
    QCOMPARE(tableRow(units, 1).join(QLatin1Char('|')),
             QStringLiteral("n.|ambiente|sup.|dest.|piano|ori.|pro.|lum.|funz.|vol.|virt.|parz."));
    QCOMPARE(tableRow(units, 2).join(QLatin1Char('|')),
             QStringLiteral("||mq.|coeff.|coeff.|coeff.|coeff.|coeff.|coeff.|coeff.|mq.|0/00"));
    QCOMPARE(tableRow(units, 3).join(QLatin1Char('|')),
             QStringLiteral(" 1|camera|25,50|1,00|1,00|1,00|1,00|1,00|1,00|1,00|20,25|62,500"));
    QCOMPARE(tableRow(units, 4).join(QLatin1Char('|')),
             QStringLiteral(" 2|cucina|10,00|0,90|1,00|0,95|1,00|1,00|1,00|1,00|40,50|125,000"));
    QCOMPARE(tableRow(units, 5).join(QLatin1Char('|')),
             QStringLiteral("Totali||35,50||||||||60,75|125,007"));
}

void TestOwnerSheetsPrintout::ownerWithoutUnitsGetsThreeRows()
{
    const ReportDocument document = OwnerSheetsPrintout::build(*m_state, 3);
    const ReportTable &units = document.table(3);
    QCOMPARE(units.rows(), 3);
    QCOMPARE(tableRow(units, 3).join(QLatin1Char('|')), QStringLiteral("Totali||0,00||||||||0,00|125,003"));
}

void TestOwnerSheetsPrintout::allOwnersEachOnNewPageWithTheirTables()
{
    const ReportDocument document = OwnerSheetsPrintout::build(*m_state, 0);
    QCOMPARE(document.tableCount(), 24);
    QStringList headings;
    QStringList names;
    for (const ReportBlock &block : document.blocks()) {
        if (block.fontSize == 20)
            headings << block.text;
    }
    for (int k = 1; k <= 8; ++k)
        names << document.table(3 * k - 2).cell(2, 2);
    QCOMPARE(headings.size(), 8);
    QCOMPARE(headings[0], QStringLiteral("Condominio: Il Glicine") + CR + CR);
    for (int k = 1; k < 8; ++k)
        QCOMPARE(headings[k], FF + QStringLiteral("Condominio: Il Glicine") + CR + CR);
    QCOMPARE(names.first(), QStringLiteral("Condomino 1"));
    QCOMPARE(names.last(), QStringLiteral("Condomino 8"));
    QCOMPARE(document.table(9).rows(), 3); // owner 3, no units
    QCOMPARE(document.finishingSteps().size(), 8);
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(document.finishingSteps()[k - 1].table, 3 * k);
}

QTEST_GUILESS_MAIN(TestOwnerSheetsPrintout)
#include "tst_ownersheetsprintout.moc"
