#include "library/rulings/rulinglibrary.h"
#include "library/rulings/rulingtopics.h"

#include <QFile>
#include <QtTest>

using namespace veltra;

namespace {

const QByteArray TwoTopics =
    "# sentenze di prova\n"
    "[sentenza 3.1]\n"
    "Primo principio. - (Cassazione civile, sez. II, 04/08/2017, n.19651)\n"
    "fonte: https://esempio.it/a\n"
    "fonte: http://esempio.it/b\n"
    "\n"
    "[sentenza 3.2]\r\n"
    "Secondo principio - con un trattino. - (Tribunale di Milano, sez. XIII civile, 08/05/2018, n.2757)\r\n"
    "fonte: https://esempio.it/c\r\n"
    "[sentenza 16.1]\n"
    "Terzo principio. - (Cassazione, Sezioni Unite civili, 09/08/2010, n.18477)\n"
    "fonte: https://esempio.it/d\n";

// One row of the list of decisions verified in the sources: court, date, number, addresses.
struct Verified
{
    QString court;
    QString date;
    QString number;
    QStringList sources;
};

QList<Verified> verifiedDecisions()
{
    QFile file(QFINDTESTDATA("../../data/library/verified-rulings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Verified> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        rows << Verified{cells.at(0), cells.at(1), cells.at(2),
                         cells.at(3).split(QStringLiteral(" ; "))};
    }
    return rows;
}

// The court as the verified list names it, with "(ordinanza)" written ", ordinanza".
QString citedCourt(QString court)
{
    return court.replace(QRegularExpression(QStringLiteral("\\s*\\(([^)]*)\\)")), QStringLiteral(", \\1"));
}

} // namespace

class TestRulingLibrary : public QObject
{
    Q_OBJECT

private slots:
    void citationIsReadFromTheEndOfTheText_data();
    void citationIsReadFromTheEndOfTheText();
    void blocksAreGroupedByTopicInOrder();
    void malformedFileIsRefusedNamingTheLine_data();
    void malformedFileIsRefusedNamingTheLine();
    void topicTitles();
    void everyShippedRulingIsAVerifiedDecisionWithItsSources();
    void noShippedSummaryCopiesTheResearchNotes();
};

void TestRulingLibrary::citationIsReadFromTheEndOfTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("court");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("number");
    QTest::newRow("court with section") << "Principio. - (Cassazione civile, sez. II, 04/08/2017, n.19651)"
                                        << true << "Cassazione civile, sez. II" << "04/08/2017" << "19651";
    QTest::newRow("dash inside the text") << "A - (b) c. - (Consiglio di Stato, sez. VI, 03/11/2023, n.9503)"
                                          << true << "Consiglio di Stato, sez. VI" << "03/11/2023" << "9503";
    QTest::newRow("no number") << "Principio. - (Cassazione, 30/01/1985)" << false << "" << "" << "";
    QTest::newRow("date with month name") << "Principio. - (Cassazione, 30 gennaio 1985, n.532)"
                                          << false << "" << "" << "";
    QTest::newRow("impossible date") << "Principio. - (Cassazione, 31/02/1985, n.532)" << false << "" << "" << "";
    QTest::newRow("text after it") << "Principio. - (Cassazione, 30/01/1985, n.532)." << false << "" << "" << "";
    QTest::newRow("no court") << "Principio. - (, 30/01/1985, n.532)" << false << "" << "" << "";
}

void TestRulingLibrary::citationIsReadFromTheEndOfTheText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<RulingCitation> citation = RulingCitation::parse(text);
    QCOMPARE(citation.has_value(), valid);
    if (!valid)
        return;
    QFETCH(QString, court);
    QFETCH(QString, date);
    QFETCH(QString, number);
    QCOMPARE(citation->court, court);
    QCOMPARE(citation->date, date);
    QCOMPARE(citation->number, number);
    QVERIFY(text.endsWith(citation->text()));
}

void TestRulingLibrary::blocksAreGroupedByTopicInOrder()
{
    const RulingLibrary library = RulingLibrary::parse(TwoTopics);
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    QCOMPARE(library.total(), 3);
    QCOMPARE(library.count(3), 2);
    QCOMPARE(library.count(16), 1);
    QCOMPARE(library.count(1), 0);
    QCOMPARE(library.text(2, 3), QStringLiteral("Secondo principio - con un trattino. - (Tribunale di "
                                                "Milano, sez. XIII civile, 08/05/2018, n.2757)"));
    QVERIFY(library.text(3, 3).isEmpty());
    QVERIFY(library.text(1, 37).isEmpty());
    const Ruling first = library.rulings(3).first();
    QCOMPARE(first.sources, QStringList({QStringLiteral("https://esempio.it/a"), QStringLiteral("http://esempio.it/b")}));
    QCOMPARE(first.citation.number, QStringLiteral("19651"));
    QCOMPARE(library.rulings(16).first().citation.court, QStringLiteral("Cassazione, Sezioni Unite civili"));
}

void TestRulingLibrary::malformedFileIsRefusedNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString start = QStringLiteral("Il file sentenze.txt non è leggibile: ");
    QTest::newRow("number skipped") << QByteArray(TwoTopics).replace("[sentenza 3.2]", "[sentenza 3.3]")
                                    << start + QStringLiteral("riga 7: attesa la sentenza 3.2.");
    QTest::newRow("topic not starting from 1") << QByteArray(TwoTopics).replace("[sentenza 16.1]", "[sentenza 16.2]")
                                               << start + QStringLiteral("riga 10: attesa la sentenza 16.1.");
    QTest::newRow("topic going back") << QByteArray(TwoTopics).replace("[sentenza 16.1]", "[sentenza 2.1]")
                                      << start + QStringLiteral("riga 10: argomento 2 fuori ordine.");
    QTest::newRow("topic 37") << QByteArray(TwoTopics).replace("[sentenza 16.1]", "[sentenza 37.1]")
                              << start + QStringLiteral("riga 10: argomento 37 inesistente (da 1 a 36).");
    QTest::newRow("header") << QByteArray(TwoTopics).replace("[sentenza 3.2]", "[sentenza 3-2]")
                            << start + QStringLiteral("riga 7: intestazione non valida, attesa \"[sentenza T.N]\".");
    QTest::newRow("no citation") << QByteArray(TwoTopics).replace(" - (Cassazione civile, sez. II, 04/08/2017, n.19651)", "")
                                 << start + QStringLiteral("riga 3: la sentenza non termina con \" - (autorità, gg/mm/aaaa, n.numero)\".");
    QTest::newRow("no source") << QByteArray(TwoTopics).replace("fonte: https://esempio.it/c\r\n", "")
                               << start + QStringLiteral("riga 7: la sentenza 3.2 non indica alcuna fonte.");
    QTest::newRow("source not an address") << QByteArray(TwoTopics).replace("fonte: https://esempio.it/d", "fonte: rivista")
                                           << start + QStringLiteral("riga 12: la fonte deve essere un indirizzo http:// o https://.");
    QTest::newRow("text on two lines") << QByteArray(TwoTopics).replace("fonte: https://esempio.it/a", "seguito\nfonte: https://esempio.it/a")
                                       << start + QStringLiteral("riga 4: il testo di una sentenza sta su una sola riga, seguito dalle righe \"fonte: \".");
    QTest::newRow("no text") << QByteArray("[sentenza 1.1]\n\n[sentenza 1.2]\n")
                             << start + QStringLiteral("riga 2: manca il testo della sentenza.");
    QTest::newRow("text before any block") << QByteArray("# x\nPrincipio.\n")
                                           << start + QStringLiteral("riga 2: atteso \"[sentenza T.N]\".");
    QTest::newRow("only a header") << QByteArray("# x\n") << start + QStringLiteral("nessuna sentenza.");
    QTest::newRow("not UTF-8") << QByteArray(TwoTopics).replace("principio", "propriet\xe0")
                               << start + QStringLiteral("il testo non è in codifica UTF-8.");
}

void TestRulingLibrary::malformedFileIsRefusedNamingTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const RulingLibrary library = RulingLibrary::parse(bytes);
    QCOMPARE(library.error(), message);
    QCOMPARE(library.total(), 0);
}

void TestRulingLibrary::topicTitles()
{
    QCOMPARE(RulingTopics::title(1), QStringLiteral("Abbaini, mansarde, tetto"));
    QCOMPARE(RulingTopics::title(10), QStringLiteral("Assemblea"));
    QCOMPARE(RulingTopics::title(16), QStringLiteral("Canne fumarie"));
    QCOMPARE(RulingTopics::title(36), QStringLiteral("Varie (comunione, conto corrente)"));
    QVERIFY(RulingTopics::title(0).isEmpty());
    QVERIFY(RulingTopics::title(37).isEmpty());
}

// Every shipped ruling cites a decision of the list verified in the sources (court, date,
// number) and carries the addresses where it was seen; no decision is shipped twice.
void TestRulingLibrary::everyShippedRulingIsAVerifiedDecisionWithItsSources()
{
    const RulingLibrary library = RulingLibrary::load(QStringLiteral(VELTRA_SOURCE_DIR "/data/sentenze.txt"));
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    const QList<Verified> verified = verifiedDecisions();
    QCOMPARE(verified.size(), 165);
    QCOMPARE(library.total(), verified.size());
    QSet<QString> cited;
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        for (const Ruling &ruling : library.rulings(t)) {
            const QString where = QStringLiteral("%1.%2").arg(t).arg(ruling.number);
            const auto match = std::find_if(verified.begin(), verified.end(), [&](const Verified &row) {
                return row.number == ruling.citation.number && row.date == ruling.citation.date;
            });
            QVERIFY2(match != verified.end(), qPrintable(where));
            QCOMPARE(ruling.citation.court, citedCourt(match->court));
            QCOMPARE(ruling.sources, match->sources);
            QVERIFY2(!cited.contains(ruling.citation.number + ruling.citation.date), qPrintable(where));
            cited << ruling.citation.number + ruling.citation.date;
            QVERIFY2(ruling.text.size() > 80, qPrintable(where));
        }
    }
}

// The research notes beside the sources are facts to write from: a shipped summary that shares
// a run of 60 characters with any of their lines has copied it instead of saying it anew.
void TestRulingLibrary::noShippedSummaryCopiesTheResearchNotes()
{
    QFile notes(QStringLiteral(VELTRA_SOURCE_DIR "/../shared/reference/rulings.tsv"));
    if (!notes.open(QIODevice::ReadOnly))
        QSKIP("the research notes are not beside the source tree");
    constexpr int Run = 60;
    QSet<QString> runs;
    const QStringList lines = QString::fromUtf8(notes.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString folded = line.toCaseFolded();
        for (int i = 0; i + Run <= folded.size(); ++i)
            runs.insert(folded.mid(i, Run));
    }
    QVERIFY(runs.size() > 1000);
    const RulingLibrary library = RulingLibrary::load(QStringLiteral(VELTRA_SOURCE_DIR "/data/sentenze.txt"));
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        for (const Ruling &ruling : library.rulings(t)) {
            const QString folded = ruling.text.toCaseFolded();
            for (int i = 0; i + Run <= folded.size(); ++i) {
                QVERIFY2(!runs.contains(folded.mid(i, Run)),
                         qPrintable(QStringLiteral("%1.%2: %3").arg(t).arg(ruling.number).arg(folded.mid(i, Run))));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestRulingLibrary)
#include "tst_rulinglibrary.moc"
