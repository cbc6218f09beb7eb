#include "library/regulation/regulationtext.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

QString shippedPath()
{
    return QStringLiteral(VELTRA_SOURCE_DIR "/data/") + RegulationText::fileName();
}

QStringList lines(const RegulationText &regulation)
{
    return regulation.text().split(QStringLiteral("\r\n"));
}

} // namespace

class TestRegulationText : public QObject
{
    Q_OBJECT

private slots:
    void shippedDraftHasTheChaptersAndArticlesInOrder();
    void shippedDraftKeepsTabsBlanksAndEuroAmounts();
    void shippedDraftAgreesWithTheLawInForce();
    void headerIsDroppedAndLinesAreJoinedWithCrLf();
    void malformedFileIsRefusedWithItsMessage_data();
    void malformedFileIsRefusedWithItsMessage();
    void missingFileIsRefused();
};

void TestRegulationText::shippedDraftHasTheChaptersAndArticlesInOrder()
{
    const RegulationText regulation = RegulationText::load(shippedPath());
    QVERIFY2(regulation.isValid(), qPrintable(regulation.error()));
    const QStringList text = lines(regulation);
    QCOMPARE(text.at(0), QStringLiteral("Regolamento di condominio"));
    QCOMPARE(text.at(1), QString());

    // Each chapter heading, then the articles it holds, in reading order.
    const QStringList expected = {
        QStringLiteral("Capitolo 1° - Disposizioni generali"), QStringLiteral("Art. 1"),
        QStringLiteral("Capitolo 2°- Proprietà comuni"), QStringLiteral("Art. 2"),
        QStringLiteral("Art. 3"), QStringLiteral("Art. 4"), QStringLiteral("Art. 5"),
        QStringLiteral("Capitolo 3° - Norme per l'uso ed il godimento delle proprietà "
                       "particolari e comuni per i servizi comuni."),
        QStringLiteral("Art. 6"), QStringLiteral("Art. 7"), QStringLiteral("Art. 8"),
        QStringLiteral("Capitolo 4° - Amministrazione"), QStringLiteral("Art. 9")};
    QStringList found;
    for (const QString &line : text) {
        if (line.startsWith(QLatin1String("Capitolo ")) || line.startsWith(QLatin1String("Art. ")))
            found << line;
    }
    QCOMPARE(found, expected);
    QVERIFY2(regulation.text().size() > 12000 && regulation.text().size() < 15000,
             qPrintable(QString::number(regulation.text().size())));
}

void TestRegulationText::shippedDraftKeepsTabsBlanksAndEuroAmounts()
{
    const RegulationText regulation = RegulationText::load(shippedPath());
    const QStringList text = lines(regulation);
    static const QRegularExpression lettered(QStringLiteral("^[a-z]\\)\t\\S"));
    QVERIFY(std::any_of(text.begin(), text.end(),
                        [](const QString &line) { return line.startsWith(QLatin1String("a)\t")); }));
    for (const QString &line : text) {
        if (QRegularExpression(QStringLiteral("^[a-z]\\)")).match(line).hasMatch())
            QVERIFY2(lettered.match(line).hasMatch(), qPrintable(line));
    }
    // The town and the street of the building are left blank in the first article.
    const int first = int(text.indexOf(QStringLiteral("Art. 1")));
    QVERIFY(text.at(first + 1).contains(QRegularExpression(QStringLiteral("sito in _{5,}, via _{5,}"))));
    QVERIFY(regulation.text().contains(QRegularExpression(QStringLiteral("\\b200,00 euro\\b"))));
    QVERIFY(!regulation.text().contains(QRegularExpression(QStringLiteral("\\d\\.\\d\\d euro"))));
}

void TestRegulationText::shippedDraftAgreesWithTheLawInForce()
{
    const QString text = RegulationText::load(shippedPath()).text();
    // The regulation may not forbid pets; it says so instead.
    QVERIFY(text.contains(QStringLiteral("È consentito possedere e detenere animali domestici")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("vietat[oa][^.;]*animali"))));
    QVERIFY(text.contains(QStringLiteral("obbligatorio quando i condomini sono più di dieci")));
    QVERIFY(text.contains(QStringLiteral("ha durata di un anno e si intende rinnovato per eguale durata")));
    QVERIFY(text.contains(QStringLiteral("i due terzi del valore dell'edificio e la maggioranza dei partecipanti")));
    QVERIFY(text.contains(QStringLiteral("un terzo del valore e un terzo dei partecipanti")));
    QVERIFY(text.contains(QStringLiteral("almeno cinque giorni prima")));
}

void TestRegulationText::headerIsDroppedAndLinesAreJoinedWithCrLf()
{
    const RegulationText regulation = RegulationText::parse(
        "# descrizione\n# del formato\nRegolamento di condominio\r\n\r\nArt. 1\na)\tuno ___\nArt. 2\n\n\n");
    QVERIFY2(regulation.isValid(), qPrintable(regulation.error()));
    QCOMPARE(regulation.text(),
             QStringLiteral("Regolamento di condominio\r\n\r\nArt. 1\r\na)\tuno ___\r\nArt. 2"));
}

void TestRegulationText::malformedFileIsRefusedWithItsMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("not UTF-8") << QByteArray("Regolamento di condominio\nArt. 1\nperch\xe9\n")
                               << QStringLiteral("Il file regolamento.txt non è leggibile: il testo non è in codifica UTF-8.");
    QTest::newRow("no title") << QByteArray("# x\nRegolamento\nArt. 1\n")
                              << QStringLiteral("Il file regolamento.txt non è leggibile: riga 2: il testo deve aprirsi con \"Regolamento di condominio\".");
    QTest::newRow("empty") << QByteArray("# solo descrizione\n")
                           << QStringLiteral("Il file regolamento.txt non è leggibile: riga 2: il testo deve aprirsi con \"Regolamento di condominio\".");
    QTest::newRow("article skipped") << QByteArray("Regolamento di condominio\nArt. 1\ntesto\nArt. 3\n")
                                     << QStringLiteral("Il file regolamento.txt non è leggibile: riga 4: atteso \"Art. 2\".");
    QTest::newRow("no article") << QByteArray("Regolamento di condominio\ntesto\n")
                                << QStringLiteral("Il file regolamento.txt non è leggibile: nessun articolo (\"Art. 1\").");
}

void TestRegulationText::malformedFileIsRefusedWithItsMessage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const RegulationText regulation = RegulationText::parse(bytes);
    QVERIFY(!regulation.isValid());
    QCOMPARE(regulation.error(), message);
    QVERIFY(regulation.text().isEmpty());
}

void TestRegulationText::missingFileIsRefused()
{
    QTemporaryDir folder;
    const RegulationText regulation = RegulationText::load(QDir(folder.path()).filePath(RegulationText::fileName()));
    QCOMPARE(regulation.error(),
             QStringLiteral("Il file regolamento.txt non è leggibile: il file manca o non si può aprire."));
}

QTEST_GUILESS_MAIN(TestRegulationText)
#include "tst_regulationtext.moc"
