#include "reports/document/ownerfilename.h"
#include "reports/document/reportdocument.h"
#include "reports/document/reportflow.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QChar LF(10);
const QChar FF(12);

} // namespace

class TestReportDocument : public QObject
{
    Q_OBJECT

private slots:
    void blockWithoutSizeTakesSizeInForce();
    void tablesAreNumberedInOrderAndFilledCellByCell();
    void finishingStepsActInOrder();
    void paragraphsOfText_data();
    void paragraphsOfText();
    void pageBreakAloneMovesToWhatFollows();
    void saveAsPicksFormatByName();
    void ownerLetterStandsAlone();
    void ownerFileNameIsSafe_data();
    void ownerFileNameIsSafe();
};

void TestReportDocument::blockWithoutSizeTakesSizeInForce()
{
    ReportDocument document(QStringLiteral("Century Gothic"));
    document.appendParagraph(QStringLiteral("prima"));
    QVERIFY(!document.blocks().last().fontSize);
    document.appendParagraph(QStringLiteral("titolo"), 20, true);
    document.appendParagraph(QStringLiteral("dopo"));
    document.appendTable(2, 2);
    document.appendTable(2, 2, 8);
    document.appendPageBreak();
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks[2].fontSize, std::optional<int>(20));
    QVERIFY(!blocks[2].bold);
    QCOMPARE(blocks[3].fontSize, std::optional<int>(20));
    QCOMPARE(document.table(2).fontSize(), std::optional<int>(8));
    QCOMPARE(blocks[5].text, QString(FF) + CR);
    QCOMPARE(blocks[5].fontSize, std::optional<int>(8));

    document.beginDocument(QStringLiteral("Ms Sans Serif"));
    QCOMPARE(document.fontName(), QStringLiteral("Ms Sans Serif"));
    QVERIFY(document.blocks().isEmpty());
    QCOMPARE(document.tableCount(), 0);
}

void TestReportDocument::tablesAreNumberedInOrderAndFilledCellByCell()
{
    ReportDocument document(PrintoutFont);
    QCOMPARE(document.appendTable(3, 2, 10), 1);
    document.appendParagraph(QString());
    QCOMPARE(document.appendTable(2, 12, 8), 2);
    QVERIFY(document.setCell(1, 3, 2, QStringLiteral("vecchio")));
    QVERIFY(document.setCell(1, 3, 2, QStringLiteral("nuovo")));
    QVERIFY(document.setCell(2, 2, 12, QStringLiteral("ultima")));
    QCOMPARE(document.table(1).cell(3, 2), QStringLiteral("nuovo"));
    QCOMPARE(document.table(2).cell(2, 12), QStringLiteral("ultima"));
    QCOMPARE(document.table(1).cell(1, 1), QString());
    QVERIFY(!document.setCell(1, 4, 1, QStringLiteral("fuori")));
    QVERIFY(!document.setCell(1, 0, 1, QStringLiteral("fuori")));
    QVERIFY(!document.setCell(2, 1, 13, QStringLiteral("fuori")));
    QVERIFY(!document.setCell(3, 1, 1, QStringLiteral("nessuna tabella")));
    QCOMPARE(document.blocks()[2].table, 2);
}

void TestReportDocument::finishingStepsActInOrder()
{
    ReportDocument rightLast(PrintoutFont);
    rightLast.appendTable(2, 5, 8);
    rightLast.appendTable(2, 5, 8);
    rightLast.justifyAll();
    rightLast.alignColumnsRight(1, 2, 3);
    using A = ReportAlignment;
    QCOMPARE(rightLast.columnAlignments(1), QVector<A>({ A::Justify, A::Right, A::Right, A::Justify, A::Justify }));
    QCOMPARE(rightLast.columnAlignments(2), QVector<A>(5, A::Justify));
    QCOMPARE(rightLast.paragraphAlignment(), A::Justify);

    ReportDocument justifyLast(PrintoutFont);
    justifyLast.appendTable(2, 5, 8);
    justifyLast.alignColumnsRight(1, 4, 9); // columns past the last are ignored
    QCOMPARE(justifyLast.columnAlignments(1), QVector<A>({ A::Left, A::Left, A::Left, A::Right, A::Right }));
    QCOMPARE(justifyLast.paragraphAlignment(), A::Left);
    justifyLast.justifyAll();
    QCOMPARE(justifyLast.columnAlignments(1), QVector<A>(5, A::Justify));
}

void TestReportDocument::paragraphsOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QList<bool>>("newPages");

    QTest::newRow("empty is one empty line") << QString() << QStringList({ QString() }) << QList<bool>({ false });
    QTest::newRow("heading and empty line") << QStringLiteral("Condominio: X") + CR + CR
                                            << QStringList({ QStringLiteral("Condominio: X"), QString() })
                                            << QList<bool>({ false, false });
    QTest::newRow("CR LF counts once") << QStringLiteral("a") + CR + LF + QStringLiteral("b") + CR + LF
                                       << QStringList({ QStringLiteral("a"), QStringLiteral("b") })
                                       << QList<bool>({ false, false });
    QTest::newRow("lone LF of a text field") << QStringLiteral("a\nb")
                                             << QStringList({ QStringLiteral("a"), QStringLiteral("b") })
                                             << QList<bool>({ false, false });
    QTest::newRow("leading FF") << FF + QStringLiteral("Condominio: X") + CR + CR
                                << QStringList({ QStringLiteral("Condominio: X"), QString() })
                                << QList<bool>({ true, false });
    QTest::newRow("FF inside a line") << QStringLiteral("a") + FF + QStringLiteral("b")
                                      << QStringList({ QStringLiteral("a"), QStringLiteral("b") })
                                      << QList<bool>({ false, true });
    QTest::newRow("blanks kept") << QStringLiteral("  a  b  ") << QStringList({ QStringLiteral("  a  b  ") })
                                 << QList<bool>({ false });
}

void TestReportDocument::paragraphsOfText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, paragraphs);
    QFETCH(QList<bool>, newPages);
    const ReportFlow::Paragraphs split = ReportFlow::paragraphs(text);
    QStringList texts;
    QList<bool> breaks;
    for (const ReportFlow::Item &item : split.items) {
        texts << item.text;
        breaks << item.newPage;
    }
    QCOMPARE(texts, paragraphs);
    QCOMPARE(breaks, newPages);
    QVERIFY(!split.breakAfter);
}

void TestReportDocument::pageBreakAloneMovesToWhatFollows()
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("uno"), 12);
    document.appendPageBreak();
    document.appendTable(2, 2, 10);
    document.appendParagraph(FF + QStringLiteral("dopo la tabella"));
    const ReportFlow flow(document);
    QCOMPARE(flow.items().size(), 3);
    QVERIFY(!flow.items()[0].newPage);
    QCOMPARE(flow.items()[1].kind, ReportFlow::Item::Kind::Table);
    QVERIFY(flow.items()[1].newPage);
    QCOMPARE(flow.items()[2].text, QStringLiteral("dopo la tabella"));
    QVERIFY(flow.items()[2].newPage);
}

void TestReportDocument::saveAsPicksFormatByName()
{
    QTemporaryDir folder;
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Guida"), 12);
    const QString doc = folder.filePath(QStringLiteral("Guida.doc"));
    const QString odt = folder.filePath(QStringLiteral("Guida.odt"));
    QVERIFY(document.saveAs(doc));
    QCOMPARE(document.savePath(), doc);
    QVERIFY(document.saveAs(odt));
    QFile rtf(doc);
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    QVERIFY(rtf.readAll().startsWith("{\\rtf1"));
    QFile zip(odt);
    QVERIFY(zip.open(QIODevice::ReadOnly));
    QVERIFY(zip.readAll().startsWith("PK"));

    ReportDocument unsaved(PrintoutFont);
    QVERIFY(!unsaved.saveAs(folder.filePath(QStringLiteral("manca/Guida.doc"))));
    QVERIFY(unsaved.savePath().isEmpty());
}

// Two letters with a table each, a break between them and one after the last, as the
// reminders are built: each letter alone keeps its own table, renumbered, with the steps
// that act on it, and neither break.
void TestReportDocument::ownerLetterStandsAlone()
{
    ReportDocument document(PrintoutFont);
    document.beginOwnerLetter(4, QStringLiteral("Rossi"));
    document.appendParagraph(QStringLiteral("lettera a Rossi"), 10);
    const int rossi = document.appendTable(2, 2);
    document.setCell(rossi, 2, 2, QStringLiteral("100,00"));
    document.appendPageBreak();
    document.beginOwnerLetter(9, QStringLiteral("Bianchi"));
    document.appendParagraph(QStringLiteral("lettera a Bianchi"));
    const int bianchi = document.appendTable(3, 2);
    document.setCell(bianchi, 3, 1, QStringLiteral("250,00"));
    document.appendPageBreak();
    document.justifyAll();
    document.alignColumnsRight(rossi, 2, 2);
    document.alignColumnsRight(bianchi, 1, 1);
    QCOMPARE(document.ownerLetters().size(), 2);
    QCOMPARE(document.ownerLetters()[1].owner, 9);

    const ReportDocument second = document.ownerLetter(1);
    QCOMPARE(second.blocks().size(), 2);
    QCOMPARE(second.blocks()[0].text, QStringLiteral("lettera a Bianchi"));
    QCOMPARE(second.blocks()[0].fontSize, std::optional<int>(10));
    QCOMPARE(second.blocks()[1].table, 1);
    QCOMPARE(second.tableCount(), 1);
    QCOMPARE(second.table(1).cell(3, 1), QStringLiteral("250,00"));
    QCOMPARE(second.paragraphAlignment(), ReportAlignment::Justify);
    QCOMPARE(second.columnAlignments(1),
             QVector<ReportAlignment>({ReportAlignment::Right, ReportAlignment::Justify}));
    QCOMPARE(second.ownerLetters().size(), 1);

    const ReportDocument first = document.ownerLetter(0);
    QCOMPARE(first.blocks().size(), 2);
    QCOMPARE(first.table(1).cell(2, 2), QStringLiteral("100,00"));
    QCOMPARE(first.columnAlignments(1),
             QVector<ReportAlignment>({ReportAlignment::Justify, ReportAlignment::Right}));
    QCOMPARE(ReportFlow(first).items().size(), 2);
}

void TestReportDocument::ownerFileNameIsSafe_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << 3 << QStringLiteral("Bianchi Luca e Sartori Elena")
                           << QStringLiteral("003 Bianchi Luca e Sartori Elena.pdf");
    QTest::newRow("separators") << 12 << QStringLiteral("Rossi/Verdi: eredi?")
                                << QStringLiteral("012 Rossi Verdi eredi.pdf");
    QTest::newRow("climbs out") << 1 << QStringLiteral("..\\..\\conti") << QStringLiteral("001 conti.pdf");
    QTest::newRow("blank") << 140 << QStringLiteral("  \t ") << QStringLiteral("140 condomino.pdf");
    QTest::newRow("trailing dot") << 5 << QString::fromUtf8("Società Alfa S.r.l.")
                                  << QString::fromUtf8("005 Società Alfa S.r.l.pdf");
    QTest::newRow("typed with returns") << 7 << QStringLiteral("Marchetti\tChiara\r\n")
                                        << QStringLiteral("007 Marchetti Chiara.pdf");
    QTest::newRow("long") << 500 << QString(200, QLatin1Char('a'))
                          << QStringLiteral("500 ") + QString(80, QLatin1Char('a')) + QStringLiteral(".pdf");
}

void TestReportDocument::ownerFileNameIsSafe()
{
    QFETCH(int, owner);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(OwnerFileName::of(owner, name, QStringLiteral(".pdf")), file);
}

QTEST_GUILESS_MAIN(TestReportDocument)
#include "tst_reportdocument.moc"
