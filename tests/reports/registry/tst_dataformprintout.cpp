#include "reports/registry/dataformprintout.h"
#include "reports/document/printstatus.h"
#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;
using ReportContents::tableRow;

namespace {

const QChar CR(13);
const QChar FF(12);

} // namespace

class TestDataFormPrintout : public QObject
{
    Q_OBJECT

private slots:
    void coefficientTablesInOrder();
    void ownerPageStartsOnNewPageWithEmptyGrid();
};

void TestDataFormPrintout::coefficientTablesInOrder()
{
    const ReportDocument document = DataFormPrintout::build();
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(document.tableCount(), 7);
    QVERIFY(document.finishingSteps().isEmpty());
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks[0].text, QStringLiteral("Condominio: ________________________________________"));
    QCOMPARE(blocks[0].fontSize, std::optional<int>(20));
    QCOMPARE(blocks[1].text, QStringLiteral("MODULO PER L'ACQUISIZIONE DEI DATI"));
    for (const ReportBlock &block : blocks.mid(1)) {
        if (block.kind == ReportBlock::Kind::Paragraph)
            QCOMPARE(block.fontSize, std::optional<int>(12));
    }

    const QList<QPair<int, int>> sizes = { { 11, 3 }, { 14, 3 }, { 6, 3 }, { 6, 3 }, { 7, 3 }, { 11, 2 }, { 38, 10 } };
    for (int t = 1; t <= 7; ++t) {
        QCOMPARE(document.table(t).rows(), sizes[t - 1].first);
        QCOMPARE(document.table(t).columns(), sizes[t - 1].second);
    }
    const ReportTable &destination = document.table(1);
    QCOMPARE(destination.fontSize(), std::optional<int>(10));
    QCOMPARE(tableRow(destination, 1), QStringList({ QStringLiteral("numero"), QStringLiteral("tipologia"), QStringLiteral("valori") }));
    QCOMPARE(tableRow(destination, 2), QStringList({ QStringLiteral(" 1"), QStringLiteral("negozi (secondo mercato)"), QStringLiteral("1,30") }));
    QCOMPARE(tableRow(destination, 11), QStringList({ QStringLiteral(" 10"), QStringLiteral("giardini e aree di rispetto"), QStringLiteral("0,15-0,10") }));

    const ReportTable &floors = document.table(2);
    QCOMPARE(tableRow(floors, 2), QStringList({ QString(), QStringLiteral("fabbricati con ascensore"), QString() }));
    QCOMPARE(tableRow(floors, 7), QStringList({ QStringLiteral(" 5"), QStringLiteral("piani successivi"), QStringLiteral("1,00") }));
    QCOMPARE(tableRow(floors, 8), QStringList({ QString(), QStringLiteral("fabbricati senza ascensore"), QString() }));
    QCOMPARE(tableRow(floors, 12), QStringList({ QStringLiteral(" 4"), QStringLiteral("piano primo"), QStringLiteral("1,00") }));
    QCOMPARE(tableRow(floors, 14), QStringList({ QStringLiteral(" 6"), QStringLiteral("ultimo piano"), QStringLiteral("0,90") }));

    QCOMPARE(tableRow(document.table(3), 6).last(), QStringLiteral("0,75"));
    QCOMPARE(tableRow(document.table(4), 4)[1], QStringLiteral("su cortili"));
    QCOMPARE(tableRow(document.table(5), 7), QStringList({ QStringLiteral(" 6"), QStringLiteral("per spazi aperti (balconi, ecc.)"), QStringLiteral("1,000") }));
    QCOMPARE(DataFormPrintout::closingStatus(), PrintStatus::ShownDataForm);
}

void TestDataFormPrintout::ownerPageStartsOnNewPageWithEmptyGrid()
{
    const ReportDocument document = DataFormPrintout::build();
    QStringList texts;
    for (const ReportBlock &block : document.blocks())
        texts << block.text;
    const int ownerPage = texts.indexOf(FF + QStringLiteral("Nome del condomino:__________________________________"));
    QVERIFY(ownerPage > 0);
    QCOMPARE(texts.mid(ownerPage + 1, 3),
             QStringList({ QStringLiteral("indirizzo:________________________________________________"),
                           QStringLiteral("piano:______________________________"), CR + QStringLiteral("Legenda:") }));
    QCOMPARE(texts.filter(FF).size(), 1);

    const ReportTable &legend = document.table(6);
    QCOMPARE(tableRow(legend, 1), QStringList({ QStringLiteral("colonna"), QStringLiteral("significato") }));
    QCOMPARE(tableRow(legend, 11), QStringList({ QStringLiteral("vol."), QStringLiteral("coefficiente di volume") }));

    const ReportTable &grid = document.table(7);
    QCOMPARE(grid.fontSize(), std::optional<int>(10));
    QCOMPARE(grid.cell(1, 2), QStringLiteral("nome locale                       "));
    QCOMPARE(grid.cell(1, 10), QStringLiteral("vol."));
    for (int r = 2; r <= grid.rows(); ++r) {
        for (int c = 1; c <= grid.columns(); ++c)
            QVERIFY(grid.cell(r, c).isEmpty());
    }
    QCOMPARE(document.blocks().last().kind, ReportBlock::Kind::Table);
    QCOMPARE(document.blocks()[document.blocks().size() - 2].text, QString());
}

QTEST_GUILESS_MAIN(TestDataFormPrintout)
#include "tst_dataformprintout.moc"
