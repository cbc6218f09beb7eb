#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/reportdocument.h"
#include "support/filesizelimit.h"
#include "support/officereader.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QChar FF(12);
const QChar LF(10);

// What Writer makes of one paragraph: its alignment ("start", "justify", "end"), its size.
struct ParagraphLook
{
    QString alignment;
    QString size;
    bool bold = false;
};

// Reads a flat OpenDocument file written by Writer: the look of each paragraph by its text.
QHash<QString, ParagraphLook> paragraphLooks(const QString &flatFile)
{
    QFile file(flatFile);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QHash<QString, ParagraphLook> styles;
    QHash<QString, ParagraphLook> looks;
    QString style;
    QString paragraphStyle;
    QString text;
    bool inParagraph = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto attributes = xml.attributes();
        if (xml.isStartElement() && xml.qualifiedName() == QLatin1String("style:style"))
            style = attributes.value(QLatin1String("style:name")).toString();
        if (xml.isStartElement() && xml.qualifiedName() == QLatin1String("style:paragraph-properties")
            && attributes.hasAttribute(QLatin1String("fo:text-align")))
            styles[style].alignment = attributes.value(QLatin1String("fo:text-align")).toString();
        if (xml.isStartElement() && xml.qualifiedName() == QLatin1String("style:text-properties")) {
            if (attributes.hasAttribute(QLatin1String("fo:font-size")))
                styles[style].size = attributes.value(QLatin1String("fo:font-size")).toString();
            if (attributes.value(QLatin1String("fo:font-weight")) == QLatin1String("bold"))
                styles[style].bold = true;
        }
        if (xml.isStartElement() && xml.qualifiedName() == QLatin1String("text:p")) {
            inParagraph = true;
            paragraphStyle = attributes.value(QLatin1String("text:style-name")).toString();
            text.clear();
        } else if (inParagraph && xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isEndElement() && xml.qualifiedName() == QLatin1String("text:p")) {
            inParagraph = false;
            looks.insert(text, styles.value(paragraphStyle));
        }
    }
    return looks;
}

int occurrences(const QString &file, const QByteArray &what)
{
    QFile flat(file);
    flat.open(QIODevice::ReadOnly);
    return flat.readAll().count(what);
}

} // namespace

class TestOdtRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void packageStartsWithStoredMimetype();
    void readerSeesEveryParagraphAndCellInOrder();
    void pageBreaksStandWhereFormFeedsAre();
    void headingAndTotalsAloneKeepADistinctHeadingRow();
    void finishingStepsActInTheOrderCalled();
    void fontAndSizesReachTheReader();
    void completePrintGivesOnePagePerOwnerAndTheTable();
    void failedWriteLeavesEverythingAsItWas();
    void fullDiskKeepsThePreviousDocument();

private:
    QString writeDocument(const QString &name, const ReportDocument &document);

    QTemporaryDir m_folder;
    OfficeReader m_office;
    ReportDocument m_layout;
    ReportDocument m_pages;
    ReportDocument m_rightLast;
    ReportDocument m_justifyLast;
    QStringList m_files;
    QStringList m_texts;
    QList<int> m_pageCounts;
    QStringList m_flat;
};

QString TestOdtRenderer::writeDocument(const QString &name, const ReportDocument &document)
{
    const QString path = m_folder.filePath(name);
    if (!OdtRenderer::write(document, path))
        return QString();
    return path;
}

void TestOdtRenderer::initTestCase()
{
    m_layout.beginDocument(PrintoutFont);
    m_layout.appendParagraph(QStringLiteral("Condominio: Il Glicine") + CR + CR, 20);
    m_layout.appendParagraph(QStringLiteral("riga uno") + CR + LF + QStringLiteral("riga due"), 12);
    const int table = m_layout.appendTable(3, 3, 10);
    m_layout.setCell(table, 1, 1, QStringLiteral("numero"));
    m_layout.setCell(table, 1, 2, QStringLiteral("nome  <e> & \"più\""));
    m_layout.setCell(table, 1, 3, QStringLiteral("euro"));
    m_layout.setCell(table, 2, 1, QStringLiteral(" 1"));
    m_layout.setCell(table, 2, 2, QStringLiteral("Rossi") + CR + QStringLiteral("Mario"));
    m_layout.setCell(table, 2, 3, QStringLiteral("1.234,50 €"));
    m_layout.setCell(table, 3, 1, QStringLiteral("Totale"));
    m_layout.setCell(table, 3, 3, QStringLiteral("1000,000"));
    m_layout.appendParagraph(QStringLiteral("fine"));

    // Five pages: a break block, a break right after a table, a break inside a text, and an
    // empty table of heading and totals rows only.
    m_pages.beginDocument(PrintoutFont);
    m_pages.appendParagraph(QStringLiteral("pagina uno"), 12);
    m_pages.appendPageBreak();
    m_pages.appendParagraph(QStringLiteral("pagina due"));
    const int empty = m_pages.appendTable(2, 2, 10);
    m_pages.setCell(empty, 1, 1, QStringLiteral("intestazione"));
    m_pages.setCell(empty, 2, 1, QStringLiteral("Totale"));
    m_pages.appendParagraph(FF + QStringLiteral("pagina tre") + CR + FF + QStringLiteral("pagina quattro"));
    m_pages.appendParagraph(QString(FF) + CR);
    m_pages.appendParagraph(QStringLiteral("pagina cinque"));

    for (ReportDocument *document : { &m_rightLast, &m_justifyLast }) {
        document->beginDocument(PrintoutFont);
        document->appendParagraph(QStringLiteral("un paragrafo da giustificare"), 10);
        const int grid = document->appendTable(2, 3, 8);
        document->setCell(grid, 1, 1, QStringLiteral("numero"));
        document->setCell(grid, 1, 2, QStringLiteral("millesimi"));
        document->setCell(grid, 2, 1, QStringLiteral("uno"));
        document->setCell(grid, 2, 2, QStringLiteral("333,333"));
        document->setCell(grid, 2, 3, QStringLiteral("terza"));
    }
    m_rightLast.justifyAll();
    m_rightLast.alignColumnsRight(1, 2, 2);
    m_justifyLast.alignColumnsRight(1, 2, 2);
    m_justifyLast.justifyAll();

    auto state = std::make_unique<SharedState>();
    RegistryFixture::fillRegistry(*state, 3, 4);
    m_files = { writeDocument(QStringLiteral("layout.odt"), m_layout),
                writeDocument(QStringLiteral("pages.odt"), m_pages),
                writeDocument(QStringLiteral("rightlast.odt"), m_rightLast),
                writeDocument(QStringLiteral("justifylast.odt"), m_justifyLast),
                writeDocument(QStringLiteral("complete.odt"), CompletePrintout::build(*state)) };
    QVERIFY(!m_files.contains(QString()));
    if (!OfficeReader::available())
        QSKIP("LibreOffice (soffice) is not installed");
    m_texts = m_office.texts(m_files);
    m_pageCounts = m_office.pageCounts(m_files);
    m_flat = m_office.convert(m_files, QStringLiteral("fodt"));
}

void TestOdtRenderer::packageStartsWithStoredMimetype()
{
    QFile file(m_files[0]);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    QCOMPARE(quint8(bytes[8]), quint8(0)); // compression method: stored
    QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
    const int extra = quint8(bytes[28]) | quint8(bytes[29]) << 8;
    QCOMPARE(bytes.mid(38 + extra, 39), QByteArray("application/vnd.oasis.opendocument.text"));
}

void TestOdtRenderer::readerSeesEveryParagraphAndCellInOrder()
{
    const QStringList expected = {
        QStringLiteral("Condominio: Il Glicine"), QString(),
        QStringLiteral("riga uno"), QStringLiteral("riga due"),
        QStringLiteral("numero"), QStringLiteral("nome  <e> & \"più\""), QStringLiteral("euro"),
        QStringLiteral(" 1"), QStringLiteral("Rossi"), QStringLiteral("Mario"),
        QStringLiteral("1.234,50 €"),
        QStringLiteral("Totale"), QString(), QStringLiteral("1000,000"),
        QStringLiteral("fine"),
    };
    QCOMPARE(m_texts[0].split(QLatin1Char('\n')).mid(0, expected.size()), expected);
    QCOMPARE(m_texts[0].trimmed().split(QLatin1Char('\n')).size(), expected.size());
    QCOMPARE(occurrences(m_flat[0], "<table:table "), 1);
}

void TestOdtRenderer::pageBreaksStandWhereFormFeedsAre()
{
    QCOMPARE(m_pageCounts[1], 5);
    QCOMPARE(m_pageCounts[0], 1);
    QCOMPARE(m_texts[1].split(QLatin1Char('\n')).mid(0, 7),
             QStringList({ QStringLiteral("pagina uno"), QStringLiteral("pagina due"),
                           QStringLiteral("intestazione"), QString(), QStringLiteral("Totale"),
                           QString(), QStringLiteral("pagina tre") }));
}

// A table of only a heading and a totals row: the heading row alone repeats and is bold.
void TestOdtRenderer::headingAndTotalsAloneKeepADistinctHeadingRow()
{
    QFile flat(m_flat[1]);
    QVERIFY(flat.open(QIODevice::ReadOnly));
    const QByteArray xml = flat.readAll();
    const qsizetype header = xml.indexOf("<table:table-header-rows>");
    const qsizetype headerEnd = xml.indexOf("</table:table-header-rows>");
    QVERIFY(header >= 0 && headerEnd > header);
    QCOMPARE(xml.count("<table:table-header-rows>"), 1);
    QCOMPARE(xml.mid(header, headerEnd - header).count("<table:table-row"), 1);
    QVERIFY(xml.indexOf("intestazione", header) < headerEnd);
    QVERIFY(xml.indexOf("Totale") > headerEnd);
    const QHash<QString, ParagraphLook> looks = paragraphLooks(m_flat[1]);
    QVERIFY(looks.value(QStringLiteral("intestazione")).bold);
    QVERIFY(!looks.value(QStringLiteral("Totale")).bold);
}

void TestOdtRenderer::finishingStepsActInTheOrderCalled()
{
    const auto rightLast = paragraphLooks(m_flat[2]);
    QCOMPARE(rightLast.value(QStringLiteral("333,333")).alignment, QStringLiteral("end"));
    QCOMPARE(rightLast.value(QStringLiteral("millesimi")).alignment, QStringLiteral("end"));
    QCOMPARE(rightLast.value(QStringLiteral("uno")).alignment, QStringLiteral("justify"));
    QCOMPARE(rightLast.value(QStringLiteral("terza")).alignment, QStringLiteral("justify"));
    QCOMPARE(rightLast.value(QStringLiteral("un paragrafo da giustificare")).alignment,
             QStringLiteral("justify"));

    const auto justifyLast = paragraphLooks(m_flat[3]);
    QCOMPARE(justifyLast.value(QStringLiteral("333,333")).alignment, QStringLiteral("justify"));
    QCOMPARE(justifyLast.value(QStringLiteral("uno")).alignment, QStringLiteral("justify"));

    const auto unfinished = paragraphLooks(m_flat[0]);
    QVERIFY(unfinished.value(QStringLiteral("fine")).alignment != QLatin1String("justify"));
    QVERIFY(unfinished.value(QStringLiteral("Totale")).alignment != QLatin1String("end"));
}

void TestOdtRenderer::fontAndSizesReachTheReader()
{
    QVERIFY(occurrences(m_flat[0], "style:font-face style:name=\"Century Gothic\"") > 0);
    const auto looks = paragraphLooks(m_flat[0]);
    QCOMPARE(looks.value(QStringLiteral("Condominio: Il Glicine")).size, QStringLiteral("20pt"));
    QCOMPARE(looks.value(QStringLiteral("riga due")).size, QStringLiteral("12pt"));
    QCOMPARE(looks.value(QStringLiteral("Mario")).size, QStringLiteral("10pt"));
    // The size in force carries on to a block appended without one.
    QCOMPARE(looks.value(QStringLiteral("fine")).size, QStringLiteral("10pt"));
    QVERIFY(looks.value(QStringLiteral("numero")).bold);
    QVERIFY(!looks.value(QStringLiteral("Totale")).bold);
}

void TestOdtRenderer::completePrintGivesOnePagePerOwnerAndTheTable()
{
    QCOMPARE(m_pageCounts[4], 4);
    QCOMPARE(occurrences(m_flat[4], "<table:table "), 10);
    const QStringList lines = m_texts[4].split(QLatin1Char('\n'));
    QCOMPARE(lines.count(QStringLiteral("Tabella analitica del condomino n. 3")), 1);
    QCOMPARE(lines.count(QStringLiteral("1000,000")), 3);
}

void TestOdtRenderer::failedWriteLeavesEverythingAsItWas()
{
    QTemporaryDir folder;
    const QString occupied = folder.filePath(QStringLiteral("occupato.odt"));
    QVERIFY(QDir().mkdir(occupied));
    QVERIFY(!OdtRenderer::write(m_layout, occupied));
    QVERIFY(QFileInfo(occupied).isDir());
    QVERIFY(!OdtRenderer::write(m_layout, folder.filePath(QStringLiteral("manca/documento.odt"))));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList({ QStringLiteral("occupato.odt") }));
}

void TestOdtRenderer::fullDiskKeepsThePreviousDocument()
{
    // A package under the 16 KiB write buffer and one well past it.
    ReportDocument large(PrintoutFont);
    QRandomGenerator figures(8);
    for (int i = 1; i <= 4000; ++i)
        large.appendParagraph(QString::number(figures.generate64()), 10);
    QVERIFY(OdtRenderer::render(m_layout).size() < 16384);
    QVERIFY(OdtRenderer::render(large).size() > 16384);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("documento.odt"));
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write("documento precedente");
    previous.close();
    for (const ReportDocument *document : { &m_layout, &large }) {
        FileSizeLimit limit(1024);
        QVERIFY(!OdtRenderer::write(*document, path));
    }
    QVERIFY(previous.open(QIODevice::ReadOnly));
    QCOMPARE(previous.readAll(), QByteArray("documento precedente"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_GUILESS_MAIN(TestOdtRenderer)
#include "tst_odtrenderer.moc"
