#include "reports/document/pdfrenderer.h"
#include "reports/document/reportdocument.h"
#include "support/pdfreader.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);

} // namespace

class TestPdfRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesEveryParagraphOnItsPageWithEmbeddedFonts();
    void longTableKeepsAmountsWholeAndRepeatsItsHeading();

private:
    QTemporaryDir m_folder;
};

void TestPdfRenderer::initTestCase()
{
    if (!PdfReader::available())
        QSKIP("poppler-utils (pdftotext, pdffonts) is not installed");
}

void TestPdfRenderer::writesEveryParagraphOnItsPageWithEmbeddedFonts()
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Rendiconto dell'esercizio") + CR, 16, true);
    const QString letter = QStringLiteral(
        "Si invita la S/V a voler pagare il contributo relativo alla sua proprietà e "
        "riguardante la spesa in oggetto, entro il termine stabilito dall'assemblea.");
    document.appendParagraph(letter + CR, 10);
    document.appendPageBreak();
    document.appendParagraph(QStringLiteral("Seconda pagina") + CR + QStringLiteral("Tab\tdopo"));
    document.justifyAll();
    const QString path = m_folder.filePath(QStringLiteral("lettera.pdf"));
    QVERIFY(document.saveAs(path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(PdfReader::fontsEmbedded(path));
    const QStringList pages = PdfReader::pageTexts(path);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("Rendiconto dell'esercizio")));
    // The justified paragraph wraps, so its words are compared without the line breaks.
    QVERIFY(pages[0].simplified().contains(letter));
    QVERIFY(!pages[0].contains(QStringLiteral("Seconda pagina")));
    QVERIFY(pages[1].contains(QStringLiteral("Seconda pagina")));
    QVERIFY(pages[1].contains(QStringLiteral("Tab")) && pages[1].contains(QStringLiteral("dopo")));
    QVERIFY(pages[0].contains(QStringLiteral("Pagina 1")));
    QVERIFY(pages[1].contains(QStringLiteral("Pagina 2")));
}

// 150 owners with amounts of nine digits: the table must run over several pages, the
// heading row at the top of each, every amount whole on one line and every row once.
void TestPdfRenderer::longTableKeepsAmountsWholeAndRepeatsItsHeading()
{
    constexpr int Owners = 150;
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Ripartizione"), 12);
    const int table = document.appendTable(Owners + 1, 3, 10);
    document.setCell(table, 1, 1, QStringLiteral("num."));
    document.setCell(table, 1, 2, QStringLiteral("nome e indirizzo"));
    document.setCell(table, 1, 3, QStringLiteral("rip.spese"));
    for (int owner = 1; owner <= Owners; ++owner) {
        document.setCell(table, owner + 1, 1, QString::number(owner));
        document.setCell(table, owner + 1, 2,
                         QStringLiteral("Condomino %1 residente in via Giuseppe Garibaldi "
                                        "numero civico %1, 40127 Bologna, scala B").arg(owner));
        // 1.234.567,01 to 1.234.567,150: distinct, each with its own owner number.
        document.setCell(table, owner + 1, 3, QStringLiteral("1.234.%1,%2")
                                                  .arg(owner, 3, 10, QLatin1Char('0'))
                                                  .arg(owner % 100, 2, 10, QLatin1Char('0')));
    }
    document.alignColumnsRight(table, 3, 3);
    const QString path = m_folder.filePath(QStringLiteral("tabella.pdf"));
    QVERIFY(document.saveAs(path));

    const QStringList pages = PdfReader::pageTexts(path);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    const QString all = pages.join(QLatin1Char('\n'));
    for (const QString &page : pages)
        QCOMPARE(page.count(QStringLiteral("rip.spese")), 1);
    int lastOwner = 0;
    for (int owner = 1; owner <= Owners; ++owner) {
        const QString amount = QStringLiteral("1.234.%1,%2")
                                   .arg(owner, 3, 10, QLatin1Char('0'))
                                   .arg(owner % 100, 2, 10, QLatin1Char('0'));
        QCOMPARE(all.count(amount), 1);
        const int at = all.indexOf(amount);
        QVERIFY2(at > lastOwner, qPrintable(amount));
        lastOwner = at;
    }
}

QTEST_MAIN(TestPdfRenderer)
#include "tst_pdfrenderer.moc"
