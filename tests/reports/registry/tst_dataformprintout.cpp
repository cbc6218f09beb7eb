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
    void everyCoefficientRowOfTheForm_data();
    void everyCoefficientRowOfTheForm();
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

void TestDataFormPrintout::everyCoefficientRowOfTheForm_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QList<QStringList>>("rows");
    const auto rows = [](std::initializer_list<std::pair<const char16_t *, const char16_t *>> pairs,
                         int firstRow = 1) {
        QList<QStringList> list;
        int k = firstRow;
        for (const auto &[kind, value] : pairs)
            list << QStringList{QLatin1Char(' ') + QString::number(k++), QString::fromUtf16(kind),
                                QString::fromUtf16(value)};
        return list;
    };
    QTest::newRow("destinazione")
        << 1
        << rows({{u"negozi (secondo mercato)", u"1,30"}, {u"camere", u"1,00"},
                 {u"servizi (cucina, bagno, ripostigli)", u"0,90"},
                 {u"corridoi, disimpegni", u"0,80"}, {u"logge chiuse da tre pareti", u"0,50-0,35"},
                 {u"cantine e soffitte", u"0,45-0,30"}, {u"balconi coperti", u"0,30"},
                 {u"balconi scoperti", u"0,25"}, {u"terrazzi a livello", u"0,22"},
                 {u"giardini e aree di rispetto", u"0,15-0,10"}});
    const QStringList withLift{QString(), QStringLiteral("fabbricati con ascensore"), QString()};
    const QStringList withoutLift{QString(), QStringLiteral("fabbricati senza ascensore"),
                                  QString()};
    QTest::newRow("piano")
        << 2
        << (QList<QStringList>{withLift}
            + rows({{u"piano scantinato", u"0,75"}, {u"piano terreno", u"0,85"},
                    {u"piano rialzato", u"0,90"}, {u"piano primo", u"0,95"},
                    {u"piani successivi", u"1,00"}})
            + QList<QStringList>{withoutLift}
            + rows({{u"piano scantinato", u"0,75"}, {u"piano terreno", u"0,85"},
                    {u"piano rialzato", u"0,90"}, {u"piano primo", u"1,00"},
                    {u"piani successivi", u"decrescenti fino a 0,90"},
                    {u"ultimo piano", u"0,90"}}));
    QTest::newRow("orientamento")
        << 3
        << rows({{u"quadrante sud-est/sud-ovest", u"1,00-0,97"},
                 {u"quadrante nord-est/sud-est", u"0,97-0,90"},
                 {u"quadrante nord-ovest/sud-ovest", u"0,97-0,90"},
                 {u"quadrante nord-ovest/nord-est", u"0,90-0,80"},
                 {u"ambienti senza finestre", u"0,75"}});
    QTest::newRow("prospetto")
        << 4
        << rows({{u"su giardini, panorami, strade", u"1,00-0,95"},
                 {u"su zone di rispetto", u"0,90-0,85"}, {u"su cortili", u"0,85"},
                 {u"su chiostrine", u"0,80"}, {u"locali senza finestre, cantinati", u"0,75"}});
    QTest::newRow("luminosità")
        << 5
        << rows({{u"per k=1/6 o maggiore", u"1,000"}, {u"per k=1/7", u"0,965"},
                 {u"per k=1/8", u"0,940"}, {u"per k=1/9", u"0,920"}, {u"per k=1/10", u"0,900"},
                 {u"per spazi aperti (balconi, ecc.)", u"1,000"}});
}

// Every row below the heading, as the administrator fills the form in at the building.
void TestDataFormPrintout::everyCoefficientRowOfTheForm()
{
    QFETCH(int, table);
    QFETCH(QList<QStringList>, rows);
    const ReportDocument document = DataFormPrintout::build();
    const ReportTable &printed = document.table(table);
    QCOMPARE(printed.rows(), int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(tableRow(printed, r + 2), rows.at(r));
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
