#include "library/help/helpguide.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

namespace {

// A well-formed guide: comments, then the sixteen pages in the order of the contents, each
// with a short text; extra is appended as is.
QByteArray guideBytes(const QByteArray &extra = QByteArray())
{
    QByteArray bytes = "# Guida di prova\r\n# seconda riga di commento\r\n\r\n";
    int n = 0;
    for (const QString &window : HelpGuide::windowNames()) {
        ++n;
        bytes += "[pagina " + window.toUtf8() + "] TITOLO " + QByteArray::number(n) + "\r\n";
        bytes += "\r\nTesto della pagina " + QByteArray::number(n) + ", però.\r\n\r\n";
    }
    return bytes + extra;
}

} // namespace

class TestHelpGuide : public QObject
{
    Q_OBJECT

private slots:
    void readsPagesInContentsOrder();
    void keepsLinesWithCrLfAndDropsSurroundingEmptyLines();
    void refusesMalformedFilesNamingTheLine_data();
    void refusesMalformedFilesNamingTheLine();
    void missingOrCutShortFileIsNamed();
    void shippedGuideHasSixteenPagesInOrder();
    void shippedLegalTextsHoldEveryArticleOnceInOrder_data();
    void shippedLegalTextsHoldEveryArticleOnceInOrder();
    void shippedGuideHoldsNoResearchNotes();
    void howToPrintPageEndsWithWordSentence();
};

void TestHelpGuide::readsPagesInContentsOrder()
{
    QString error;
    const std::optional<HelpGuide> guide = HelpGuide::fromBytes(guideBytes(), &error);
    QVERIFY2(guide, qPrintable(error));
    QCOMPARE(guide->pages().size(), 18);
    QCOMPARE(guide->pages().first().window, QStringLiteral("manuale"));
    QCOMPARE(guide->pages().first().title, QStringLiteral("TITOLO 1"));
    QCOMPARE(guide->pages().at(6).window, QStringLiteral("guidaconduttore"));
    QCOMPARE(guide->pages().at(15).window, QStringLiteral("guidacodice"));
    QCOMPARE(guide->pages().last().window, QStringLiteral("guidacontabilita"));
    QCOMPARE(guide->page(QStringLiteral("guidastampa"))->title, QStringLiteral("TITOLO 4"));
    QCOMPARE(guide->page(QStringLiteral("guidastampa"))->text,
             QStringLiteral("Testo della pagina 4, però."));
    QVERIFY(!guide->page(QStringLiteral("frmTip")));
}

void TestHelpGuide::keepsLinesWithCrLfAndDropsSurroundingEmptyLines()
{
    QByteArray bytes = guideBytes();
    bytes.replace("Testo della pagina 16, però.\r\n",
                  "\n\nArt.1117 - PRIMA\n\tcon tabulazione\n\nArt.1118 - SECONDA  \n");
    QString error;
    const std::optional<HelpGuide> guide = HelpGuide::fromBytes(bytes, &error);
    QVERIFY2(guide, qPrintable(error));
    QCOMPARE(guide->pages().at(15).text,
             QStringLiteral("Art.1117 - PRIMA\r\n\tcon tabulazione\r\n\r\nArt.1118 - SECONDA  "));
}

void TestHelpGuide::refusesMalformedFilesNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = guideBytes();
    // Line 4 is the first page's header, line 6 its text.
    QByteArray noTitle = good;
    noTitle.replace("[pagina manuale] TITOLO 1", "[pagina manuale]");
    QTest::newRow("header without title") << noTitle << QStringLiteral("riga 4: intestazione");
    QByteArray swapped = good;
    swapped.replace("[pagina guidafunzionamento]", "[pagina guidaxxx]");
    QTest::newRow("page out of order") << swapped
                                        << QStringLiteral("riga 8: si attendeva la pagina \"guidafunzionamento\"");
    QByteArray empty = good;
    empty.replace("Testo della pagina 1, però.", "");
    QTest::newRow("page without text") << empty << QStringLiteral("la pagina \"manuale\" non ha testo");
    QByteArray fifteen = good.left(good.indexOf("[pagina guidacodice]"));
    QTest::newRow("fifteen pages") << fifteen << QStringLiteral("18 pagine, ne ha 15");
    QTest::newRow("nineteen pages") << guideBytes("[pagina altro] ALTRO\r\nx\r\n")
                                   << QStringLiteral("si attendeva la pagina \"(nessuna)\"");
    QTest::newRow("text before the first page") << "testo sciolto\r\n" + good
                                                << QStringLiteral("riga 1: testo prima");
    QByteArray latin1 = good;
    latin1.replace("però", "per\xf2");
    QTest::newRow("not UTF-8") << latin1 << QStringLiteral("non è in codifica UTF-8");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("18 pagine, ne ha 0");
}

void TestHelpGuide::refusesMalformedFilesNamingTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!HelpGuide::fromBytes(bytes, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Il file guida.txt non è leggibile: ")), qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestHelpGuide::missingOrCutShortFileIsNamed()
{
    QString error;
    QVERIFY(!HelpGuide::fromFile(QStringLiteral("/nonexistent/guida.txt"), &error));
    QCOMPARE(error, QStringLiteral("Il file guida.txt non è leggibile: il file manca o non si può aprire."));

    // The guide with its last page cut at nine tenths of the file.
    QFile shipped(QStringLiteral(VELTRA_SOURCE_DIR "/data/guida.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    QTemporaryDir folder;
    QFile cut(folder.filePath(QStringLiteral("guida.txt")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() * 9 / 10));
    cut.close();
    QVERIFY(!HelpGuide::fromFile(cut.fileName(), &error));
    QCOMPARE(error, QStringLiteral("Il file guida.txt non è leggibile: il file è incompleto, manca "
                                   "l'ultima riga \"# fine del file\"."));
}

namespace {

HelpGuide shippedGuide()
{
    QString error;
    const std::optional<HelpGuide> guide =
        HelpGuide::fromFile(QStringLiteral(VELTRA_SOURCE_DIR "/data/guida.txt"), &error);
    if (!guide)
        qFatal("%s", qPrintable(error));
    return *guide;
}

} // namespace

void TestHelpGuide::shippedGuideHasSixteenPagesInOrder()
{
    const QStringList titles = {
        "MANUALE D'USO RAPIDO",  "FUNZIONAMENTO DEL PROGRAMMA", "ARCHIVIO DATI",
        "COME STAMPARE",         "FINESTRA DATI",               "FINESTRA SPESE",
        "FINESTRA CONDUTTORE",   "FINESTRA PAGAMENTI",          "FINESTRA ASSEMBLEA",
        "FINESTRA CONVOCAZIONE", "FINESTRA SENTENZE",           "FINESTRA REGOLAMENTO",
        "FINESTRA MODELLI",      "FINESTRA ANAGRAFE",           "DISPOSIZIONI DI ATTUAZIONE DEL C.C.",
        "CODICE CIVILE (Del condominio negli edifici)", "FINESTRA SEDUTA",
    };
    const HelpGuide guide = shippedGuide();
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(guide.pages().at(i).title, titles.at(i));
    // The pages of the windows are one paragraph each, of a length that reads at a glance.
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16}) {
        const QString &text = guide.pages().at(i).text;
        QVERIFY2(!text.contains(QLatin1Char('\n')), qPrintable(titles.at(i)));
        QVERIFY2(text.size() >= 900 && text.size() <= 1600,
                 qPrintable(titles.at(i) + QStringLiteral(": %1").arg(text.size())));
    }
    QVERIFY(guide.pages().first().text.size() >= 1800);
}

void TestHelpGuide::shippedLegalTextsHoldEveryArticleOnceInOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("articles");
    QTest::newRow("implementing provisions")
        << QStringLiteral("guidaattuazione")
        << QStringList{"61", "62", "63", "64", "65", "66", "67", "68", "69", "70", "71",
                       "71-bis", "71-ter", "71-quater", "72"};
    QTest::newRow("civil code")
        << QStringLiteral("guidacodice")
        << QStringList{"1117", "1117-bis", "1117-ter", "1117-quater", "1118", "1119", "1120",
                       "1121", "1122", "1122-bis", "1122-ter", "1123", "1124", "1125", "1126",
                       "1127", "1128", "1129", "1130", "1130-bis", "1131", "1132", "1133",
                       "1134", "1135", "1136", "1137", "1138", "1139"};
}

void TestHelpGuide::shippedLegalTextsHoldEveryArticleOnceInOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, articles);
    const HelpGuide guide = shippedGuide();
    const QStringList lines = guide.page(window)->text.split(QStringLiteral("\r\n"));
    // Every line is one article: its number, its heading in capitals, its text.
    static const QRegularExpression article(
        QStringLiteral("^Art\\.(\\d+(?:-bis|-ter|-quater)?) - ([^a-z]+) - (\\S.*)$"));
    QStringList numbers;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = article.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(80)));
        numbers << match.captured(1);
    }
    QCOMPARE(numbers, articles);
}

void TestHelpGuide::shippedGuideHoldsNoResearchNotes()
{
    static const QRegularExpression note(
        QStringLiteral("\\b(FONTE|LACUNE|STATO|NB|ATTENZIONE|VERIFICARE|TRONCATO)\\b|https?://|\\[\\.\\.\\.|\\(\\("));
    const HelpGuide guide = shippedGuide();
    for (const HelpPage &page : guide.pages()) {
        const QRegularExpressionMatch match = note.match(page.text);
        QVERIFY2(!match.hasMatch(), qPrintable(page.window + QStringLiteral(": ") + match.captured()));
    }
}

void TestHelpGuide::howToPrintPageEndsWithWordSentence()
{
    const HelpGuide guide = shippedGuide();
    const QString text = guide.page(QStringLiteral("guidastampa"))->text;
    QVERIFY(text.endsWith(QStringLiteral("Tutte le stampe vengono esportate su WORD"))
            || text.endsWith(QStringLiteral("Tutte le stampe vengono esportate su WORD.")));
    QVERIFY(text.contains(QStringLiteral("LibreOffice")));
}

QTEST_APPLESS_MAIN(TestHelpGuide)
#include "tst_helpguide.moc"
