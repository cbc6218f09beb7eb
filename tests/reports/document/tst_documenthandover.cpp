#include "reports/document/documentformatchoice.h"
#include "reports/document/documenthandover.h"
#include "reports/document/reportdocument.h"
#include "support/scriptedplatform.h"

#include <QtTest>

using namespace veltra;

namespace {

ReportDocument letter(const QString &text)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(text, 12);
    return document;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestDocumentHandover : public QObject
{
    Q_OBJECT

private slots:
    void twoHandOversGiveTwoFilesNeverOverwriting();
    void unopenedDocumentIsReportedWithItsPlace();
    void unwritableFolderIsReportedAndNothingOpened();
    void defaultFolderIsVeltraInDocuments();
    void closingStatusAlwaysNamesTheFile();
    void lettersGoOnePdfPerOwnerIntoAFolderOfTheirOwn();
};

void TestDocumentHandover::twoHandOversGiveTwoFilesNeverOverwriting()
{
    QTemporaryDir folder;
    const QString earlier = folder.filePath(QStringLiteral("Veltra-2026-12-09-001.odt"));
    QFile old(earlier);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("documento di ieri");
    old.close();

    ScriptedPlatform platform;
    DocumentHandover handover(platform, QStringLiteral("Veltra"), folder.path());
    QVERIFY(letter(QStringLiteral("prima")).present(handover));
    const QString first = handover.lastPath();
    const QByteArray firstBytes = contents(first);
    QVERIFY(handover.handOver(letter(QStringLiteral("seconda"))));
    const QString second = handover.lastPath();

    QCOMPARE(first, folder.filePath(QStringLiteral("Veltra-2026-12-09-002.odt")));
    QCOMPARE(second, folder.filePath(QStringLiteral("Veltra-2026-12-09-003.odt")));
    QCOMPARE(platform.documents, QStringList({ first, second }));
    QCOMPARE(contents(earlier), QByteArray("documento di ieri"));
    QCOMPARE(contents(first), firstBytes);
    QVERIFY(contents(second) != firstBytes);
    QVERIFY(platform.messages.isEmpty());
}

void TestDocumentHandover::unopenedDocumentIsReportedWithItsPlace()
{
    QTemporaryDir folder;
    ScriptedPlatform platform;
    platform.documentsOpen = false;
    DocumentHandover handover(platform, QStringLiteral("Veltra"), folder.path());
    QVERIFY(!handover.handOver(letter(QStringLiteral("prima"))));
    const QString path = folder.filePath(QStringLiteral("Veltra-2026-12-09-001.odt"));
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.lastMessage().text,
             QStringLiteral("Il documento è stato salvato in %1, ma nessun programma di "
                            "videoscrittura lo ha aperto.").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(platform.lastMessage().title, QStringLiteral("Veltra"));
}

void TestDocumentHandover::unwritableFolderIsReportedAndNothingOpened()
{
    QTemporaryDir folder;
    const QString blocker = folder.filePath(QStringLiteral("file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ScriptedPlatform platform;
    DocumentHandover handover(platform, QStringLiteral("Veltra"), blocker + QStringLiteral("/Veltra"));
    QVERIFY(!handover.handOver(letter(QStringLiteral("prima"))));
    QVERIFY(handover.lastPath().isEmpty());
    QVERIFY(platform.documents.isEmpty());
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.lastMessage().text.contains(QDir::toNativeSeparators(blocker + QStringLiteral("/Veltra"))));
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

void TestDocumentHandover::defaultFolderIsVeltraInDocuments()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(DocumentHandover::defaultFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Veltra"));
}

void TestDocumentHandover::closingStatusAlwaysNamesTheFile()
{
    QTemporaryDir folder;
    ScriptedPlatform platform;
    DocumentHandover handover(platform, QStringLiteral("Veltra"), folder.path());
    QVERIFY(handover.handOver(letter(QStringLiteral("prima"))));
    QVERIFY(handover.lastOpened());
    QCOMPARE(handover.closingStatus(QStringLiteral("ho visualizzato i dati su WORD")),
             QStringLiteral("ho visualizzato i dati su WORD (Veltra-2026-12-09-001.odt)"));
    // A printout without a closing text of its own still tells which file it was.
    QCOMPARE(handover.closingStatus(QString()),
             QStringLiteral("ho visualizzato il documento Veltra-2026-12-09-001.odt"));

    platform.documentsOpen = false;
    QVERIFY(!handover.handOver(letter(QStringLiteral("seconda"))));
    QVERIFY(!handover.lastOpened());
    const QString second = QDir::toNativeSeparators(
        folder.filePath(QStringLiteral("Veltra-2026-12-09-002.odt")));
    QCOMPARE(handover.closingStatus(QStringLiteral("ho visualizzato i dati su WORD")),
             QStringLiteral("ho salvato il documento in ") + second);
    QVERIFY(platform.lastMessage().text.contains(second));

    DocumentHandover nowhere(platform, QStringLiteral("Veltra"), QStringLiteral("/dev/null/Veltra"));
    QVERIFY(!nowhere.handOver(letter(QStringLiteral("terza"))));
    QCOMPARE(nowhere.closingStatus(QStringLiteral("ho visualizzato i dati su WORD")),
             QString::fromUtf8("il documento non è stato salvato"));
}

void TestDocumentHandover::lettersGoOnePdfPerOwnerIntoAFolderOfTheirOwn()
{
    QTemporaryDir folder;
    ScriptedPlatform platform;
    platform.choices.enqueue(2);
    QVERIFY(DocumentFormatChoice::ask(platform, QStringLiteral("Veltra")));
    QCOMPARE(DocumentFormatChoice::remembered(platform), DocumentFormat::PdfPerOwner);
    ReportDocument letters(PrintoutFont);
    letters.beginOwnerLetter(1, QStringLiteral("Rossi Mario"));
    letters.appendParagraph(QStringLiteral("avviso a Rossi"), 12);
    letters.appendPageBreak();
    letters.beginOwnerLetter(3, QStringLiteral("Bianchi/Verdi"));
    letters.appendParagraph(QStringLiteral("avviso a Bianchi"), 12);
    DocumentHandover handover(platform, QStringLiteral("Veltra"), folder.path());
    QVERIFY(handover.handOver(letters));
    const QString sent = folder.filePath(QStringLiteral("Veltra-2026-12-09-001"));
    QCOMPARE(handover.lastPath(), sent);
    QCOMPARE(QDir(sent).entryList(QDir::Files),
             QStringList({QStringLiteral("001 Rossi Mario.pdf"), QStringLiteral("003 Bianchi Verdi.pdf")}));
    QVERIFY(contents(QDir(sent).filePath(QStringLiteral("001 Rossi Mario.pdf"))).startsWith("%PDF-"));
    QCOMPARE(platform.documents, QStringList({sent}));
    QCOMPARE(handover.closingStatus(QString()),
             QStringLiteral("ho aperto la cartella delle lettere Veltra-2026-12-09-001"));
    // A printout that is no letter to the owners is one PDF, numbered after the folder.
    QVERIFY(handover.handOver(letter(QStringLiteral("tabella"))));
    QCOMPARE(handover.lastPath(), folder.filePath(QStringLiteral("Veltra-2026-12-09-002.pdf")));
}

QTEST_MAIN(TestDocumentHandover)
#include "tst_documenthandover.moc"
