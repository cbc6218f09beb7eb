#include "reports/library/regulationprintout.h"

#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;

namespace {

const QString Draft = QStringLiteral("Regolamento di condominio\r\n\r\nArt. 1\r\n"
                                     "edificio sito in ________, via ________\r\n"
                                     "a)\tprima voce;\r\nb)\tseconda voce.");

} // namespace

class TestRegulationPrintout : public QObject
{
    Q_OBJECT

private slots:
    void headingDraftAndApprovalLineJustified();
    void printingTwiceGivesTheSameDocument();
    void noCondominiumLoadedLeavesTheNameEmpty();
};

void TestRegulationPrintout::headingDraftAndApprovalLineJustified()
{
    const ReportDocument document = RegulationPrintout::build(QStringLiteral("Via Roma 3"), Draft);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Via Roma 3\r\r"), Draft + QStringLiteral("\r\r"),
                          QStringLiteral("Approvato con delibera dell'assemblea n._____ del "
                                         "giorno________________")}));
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks.at(0).fontSize, std::optional<int>(20));
    QCOMPARE(blocks.at(1).fontSize, std::optional<int>(12));
    QCOMPARE(blocks.at(2).fontSize, std::optional<int>(12));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Justify);
    QCOMPARE(document.tableCount(), 0);
    QCOMPARE(RegulationPrintout::openingStatus(), QStringLiteral("sto caricando WORD per la stampa"));
}

void TestRegulationPrintout::printingTwiceGivesTheSameDocument()
{
    const ReportDocument first = RegulationPrintout::build(QStringLiteral("Via Roma 3"), Draft);
    const ReportDocument second = RegulationPrintout::build(QStringLiteral("Via Roma 3"), Draft);
    QCOMPARE(ReportContents::paragraphTexts(first), ReportContents::paragraphTexts(second));
    QCOMPARE(first.finishingSteps().size(), second.finishingSteps().size());
}

void TestRegulationPrintout::noCondominiumLoadedLeavesTheNameEmpty()
{
    const ReportDocument document = RegulationPrintout::build(QString(), Draft);
    QCOMPARE(ReportContents::paragraphTexts(document).first(), QStringLiteral("Condominio: \r\r"));
}

QTEST_GUILESS_MAIN(TestRegulationPrintout)
#include "tst_regulationprintout.moc"
