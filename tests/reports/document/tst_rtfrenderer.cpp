#include "reports/document/reportdocument.h"
#include "reports/document/rtfrenderer.h"
#include "support/filesizelimit.h"
#include "support/officereader.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QChar FF(12);

} // namespace

class TestRtfRenderer : public QObject
{
    Q_OBJECT

private slots:
    void escapesEveryCharacter();
    void headingAndTotalsAloneKeepTheirOwnLooks();
    void docNameOpensInWriterWithItsTextAndPages();
    void fullDiskKeepsThePreviousDocument();
};

void TestRtfRenderer::escapesEveryCharacter()
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("a\\b{c}d è € 𝄞"));
    const QByteArray rtf = RtfRenderer::render(document);
    QVERIFY(rtf.contains("a\\\\b\\{c\\}d \\u232?"));
    QVERIFY(rtf.contains("\\u8364?"));
    QVERIFY(rtf.contains("\\u-10188?\\u-8930?"));
    for (const char c : rtf)
        QVERIFY(uchar(c) < 0x80);
}

// The unit table of an owner without units: the heading, and the totals straight after it.
// The heading row alone repeats on each page, bold on its darker shade.
void TestRtfRenderer::headingAndTotalsAloneKeepTheirOwnLooks()
{
    ReportDocument document(PrintoutFont);
    const int table = document.appendTable(2, 2, 8);
    document.setCell(table, 1, 1, QStringLiteral("n."));
    document.setCell(table, 1, 2, QStringLiteral("sup."));
    document.setCell(table, 2, 1, QStringLiteral("Totali"));
    document.setCell(table, 2, 2, QStringLiteral("0,00"));
    const QList<QByteArray> rows = RtfRenderer::render(document).split('\n');
    QList<QByteArray> definitions;
    for (const QByteArray &line : rows) {
        if (line.startsWith("\\trowd"))
            definitions << line;
    }
    QCOMPARE(definitions.size(), 2);
    QVERIFY(definitions.at(0).contains("\\trhdr"));
    QCOMPARE(definitions.at(0).count("\\clcbpat2"), 2);
    QVERIFY(!definitions.at(1).contains("\\trhdr"));
    QCOMPARE(definitions.at(1).count("\\clcbpat3"), 2);
    const QByteArray rtf = RtfRenderer::render(document);
    const qsizetype firstRow = rtf.indexOf(definitions.at(0));
    const qsizetype secondRow = rtf.indexOf(definitions.at(1));
    QCOMPARE(rtf.mid(firstRow, secondRow - firstRow).count("\\fs16\\b"), 2); // bold at 8 points
    QVERIFY(rtf.indexOf("Totali") > secondRow);
    QCOMPARE(rtf.mid(secondRow).count("\\fs16\\b"), 0);
}

void TestRtfRenderer::docNameOpensInWriterWithItsTextAndPages()
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Guida in linea") + CR + CR, 16);
    document.appendParagraph(QStringLiteral("Tutte le stampe vengono esportate su WORD: perché è così"), 10);
    const int table = document.appendTable(2, 2, 10);
    document.setCell(table, 1, 1, QStringLiteral("voce"));
    document.setCell(table, 1, 2, QStringLiteral("significato"));
    document.setCell(table, 2, 2, QStringLiteral("{graffe} e \\barre"));
    document.appendParagraph(FF + QStringLiteral("seconda pagina"));
    document.justifyAll();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Guida.doc"));
    QVERIFY(document.saveAs(path));
    if (!OfficeReader::available())
        QSKIP("LibreOffice (soffice) is not installed");
    OfficeReader office;
    const QStringList lines = office.texts({ path }).first().split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 8),
             QStringList({ QStringLiteral("Guida in linea"), QString(),
                           QStringLiteral("Tutte le stampe vengono esportate su WORD: perché è così"),
                           QStringLiteral("voce"), QStringLiteral("significato"), QString(),
                           QStringLiteral("{graffe} e \\barre"), QStringLiteral("seconda pagina") }));
    QCOMPARE(office.pageCounts({ path }).first(), 2);
}

void TestRtfRenderer::fullDiskKeepsThePreviousDocument()
{
    ReportDocument small(PrintoutFont);
    small.appendParagraph(QStringLiteral("Condominio: Il Glicine"), 20);
    ReportDocument large(PrintoutFont);
    for (int i = 1; i <= 2000; ++i)
        large.appendParagraph(QStringLiteral("riga n.") + QString::number(i), 10);
    QVERIFY(RtfRenderer::render(small).size() < 16384);
    QVERIFY(RtfRenderer::render(large).size() > 16384);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("aiuto.doc"));
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write("guida precedente");
    previous.close();
    for (const ReportDocument *document : { &small, &large }) {
        FileSizeLimit limit(256);
        QVERIFY(!RtfRenderer::write(*document, path));
    }
    QVERIFY(previous.open(QIODevice::ReadOnly));
    QCOMPARE(previous.readAll(), QByteArray("guida precedente"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_GUILESS_MAIN(TestRtfRenderer)
#include "tst_rtfrenderer.moc"
