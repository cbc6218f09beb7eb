#include "core/state/sharedstate.h"
#include "library/help/helpguide.h"
#include "reports/help/helpprintout.h"
#include "support/officereader.h"
#include "support/reportcontents.h"

#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QChar FF(12);

HelpGuide sampleGuide()
{
    QByteArray bytes;
    int n = 0;
    for (const QString &window : HelpGuide::windowNames()) {
        ++n;
        bytes += "[pagina " + window.toUtf8() + "] TITOLO " + QByteArray::number(n) + "\n";
        bytes += "Testo " + QByteArray::number(n) + "\nseconda riga " + QByteArray::number(n) + "\n";
    }
    QString error;
    return *HelpGuide::fromBytes(bytes, &error);
}

AppTexts appTexts()
{
    SharedState state;
    state.initSharedStrings();
    return state.texts;
}

QList<std::optional<int>> sizes(const ReportDocument &document)
{
    QList<std::optional<int>> result;
    for (const ReportBlock &block : document.blocks())
        result << block.fontSize;
    return result;
}

} // namespace

class TestHelpPrintout : public QObject
{
    Q_OBJECT

private slots:
    void pageHasHeadingTitleAndText();
    void onlyPrintingAndTemplatesPagesAreSaved();
    void guideHasEighteenSectionsEachAfterTheFirstOnANewPage();
    void guideReadByWordProcessorHasAPagePerSection();
};

void TestHelpPrintout::pageHasHeadingTitleAndText()
{
    const HelpPage page = sampleGuide().pages().at(3);
    const ReportDocument document = HelpPrintout::page(appTexts(), page);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             (QStringList{QStringLiteral("Veltra") + CR,
                          QStringLiteral("gestione di condomini") + CR + CR + CR,
                          QStringLiteral("Guida: TITOLO 4") + CR + CR,
                          QStringLiteral("Testo 4\r\nseconda riga 4") + CR}));
    QCOMPARE(sizes(document), (QList<std::optional<int>>{20, 16, 16, 12}));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Justify);
}

void TestHelpPrintout::onlyPrintingAndTemplatesPagesAreSaved()
{
    const HelpGuide guide = sampleGuide();
    const AppTexts texts = appTexts();
    QStringList saved;
    for (const HelpPage &page : guide.pages())
        saved << HelpPrintout::savedPageName(texts, page);
    QStringList expected(18);
    expected[3] = QStringLiteral("VeltraTITOLO 4.doc");
    expected[12] = QStringLiteral("VeltraTITOLO 13.doc");
    QCOMPARE(saved, expected);
    QCOMPARE(HelpPrintout::guideName(texts), QStringLiteral("Veltra-guida.doc"));
}

void TestHelpPrintout::guideHasEighteenSectionsEachAfterTheFirstOnANewPage()
{
    const ReportDocument document = HelpPrintout::guide(appTexts(), sampleGuide());
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts.size(), 2 + 2 * 18);
    QCOMPARE(texts.at(0), QStringLiteral("Veltra") + CR);
    QCOMPARE(texts.at(1), QStringLiteral("gestione di condomini") + CR + CR + CR);
    for (int n = 1; n <= 18; ++n) {
        QCOMPARE(texts.at(2 * n), QStringLiteral("Guida: TITOLO %1").arg(n) + CR + CR);
        const QString body = QStringLiteral("Testo %1\r\nseconda riga %1").arg(n) + CR;
        QCOMPARE(texts.at(2 * n + 1), n < 18 ? body + FF : body);
    }
    const QList<std::optional<int>> blockSizes = sizes(document);
    QCOMPARE(blockSizes.mid(0, 4), (QList<std::optional<int>>{20, 16, 16, 12}));
    for (int i = 4; i < blockSizes.size(); ++i)
        QCOMPARE(blockSizes.at(i), std::optional<int>(12));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Justify);
}

void TestHelpPrintout::guideReadByWordProcessorHasAPagePerSection()
{
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    QTemporaryDir folder;
    ReportDocument document = HelpPrintout::guide(appTexts(), sampleGuide());
    const QString path = folder.filePath(QStringLiteral("guida.odt"));
    QVERIFY(document.saveAs(path));
    OfficeReader reader;
    QCOMPARE(reader.pageCounts({path}), QList<int>{18});
    const QStringList lines = reader.texts({path}).first().split(QLatin1Char('\n'));
    int previous = -1;
    for (int n = 1; n <= 18; ++n) {
        const int at = int(lines.indexOf(QStringLiteral("Guida: TITOLO %1").arg(n)));
        QVERIFY2(at > previous, qPrintable(QString::number(n)));
        previous = at;
    }
}

QTEST_MAIN(TestHelpPrintout)
#include "tst_helpprintout.moc"
