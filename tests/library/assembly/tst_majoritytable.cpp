#include "library/assembly/majoritytable.h"

#include <QTest>

using namespace veltra;

class TestMajorityTable : public QObject
{
    Q_OBJECT

private slots:
    void shippedTableKeepsTheFifteenMattersAndAddsTheReformOnes();
    void everyMatterHasATextAndItsSources();
    void textsStateTheLawInForce_data();
    void textsStateTheLawInForce();
    void preReformRulesNeverReappear_data();
    void preReformRulesNeverReappear();
    void readsParagraphsCommentsAndCrLf();
    void refusesAMalformedFileWhole_data();
    void refusesAMalformedFileWhole();
    void missingFileIsAnError();

private:
    static QString textOf(int n);
};

QString TestMajorityTable::textOf(int n)
{
    return MajorityTable::shipped().majorities.value(n - 1).text;
}

void TestMajorityTable::shippedTableKeepsTheFifteenMattersAndAddsTheReformOnes()
{
    const MajorityTable::Reading &table = MajorityTable::shipped();
    QVERIFY2(table.isValid(), qPrintable(table.error));
    const QStringList captions = {
        QString::fromUtf8("1)  Costituzione dell'assemblea e validità delle deliberazioni (art.1136 C.C.)"),
        QStringLiteral("2)  Approvazione o modifica delle tabelle millesimali"),
        QStringLiteral("3)  Innovazioni che pregiudicano la sicurezza, alterino il decoro o rendano "
                       "parti comuni inservibili (art.1120 C.C. ultimo comma)"),
        QStringLiteral("4)  Innovazioni gravose e voluttuarie (art.1121 C.C.)"),
        QStringLiteral("5)  Materie per cui non sono richieste maggioranze speciali in prima "
                       "convocazione (art.1136 C.C. 2' comma)"),
        QStringLiteral("6)  Materie per cui non sono richieste maggioranze speciali in seconda "
                       "convocazione (art.1136 C.C. 3' comma)"),
        QStringLiteral("7)  Nomina e revoca dell'amministratore (art.1136 C.C. 4' comma)"),
        QStringLiteral("8)  Liti attive e passive che esorbitano dalle attribuzioni "
                       "dell'amministratore (art.1136 C.C. 4' comma)"),
        QString::fromUtf8("9)  Ricostruzione dell'edificio e riparazioni straordinarie di notevole "
                          "entità (art.1136 C.C. 4' comma)"),
        QStringLiteral("10)  Innovazioni dirette al miglioramento o al maggior rendimento delle "
                       "cose comuni (art.1136 C.C. 5' comma)"),
        QStringLiteral("11)  Approvazione del regolamento di condominio escluse le tabelle "
                       "millesimali (art.1138 C.C. 3' comma)"),
        QStringLiteral("12)  Soppressione dell'impianto di riscaldamento centralizzato"),
        QStringLiteral("13)  Soppressione dell'impianto di riscaldamento centralizzato o "
                       "interventi di risparmio energetico  (Legge n.10/91)"),
        QStringLiteral("14)  Scioglimento del condominio (art.61 2' comma  Disposizione di Attuazione)"),
        QStringLiteral("15)  Scioglimento del condominio con modifica allo stato delle cose "
                       "(art.62 2' comma Disposizioni di Attuazione)"),
        QStringLiteral("16)  Modificazione della destinazione d'uso delle parti comuni "
                       "(art.1117-ter C.C.)"),
        QStringLiteral("17)  Innovazioni per sicurezza, barriere architettoniche, parcheggi, "
                       "energia e impianti di ricezione (art.1120 C.C. 2' comma)"),
        QStringLiteral("18)  Impianti di videosorveglianza sulle parti comuni (art.1122-ter C.C.)"),
        QStringLiteral("19)  Assemblea in videoconferenza (art.66 6' comma Disposizioni di Attuazione)"),
    };
    QCOMPARE(table.majorities.size(), captions.size());
    for (int n = 1; n <= captions.size(); ++n) {
        QCOMPARE(table.majorities.at(n - 1).number, n);
        QCOMPARE(table.majorities.at(n - 1).caption, captions.at(n - 1));
    }
}

void TestMajorityTable::everyMatterHasATextAndItsSources()
{
    for (const Majority &majority : MajorityTable::shipped().majorities) {
        QVERIFY2(!majority.text.isEmpty(), qPrintable(majority.caption));
        QVERIFY2(!majority.sources.isEmpty(), qPrintable(majority.caption));
        for (const QString &source : majority.sources)
            QVERIFY2(source.contains(QStringLiteral("http")), qPrintable(source));
    }
}

// Each row: the matter, a rule of the law in force its text must state.
void TestMajorityTable::textsStateTheLawInForce_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("rule");
    QTest::newRow("first call quorum")
        << 1 << QStringLiteral("i due terzi del valore dell'intero edificio e la maggioranza dei "
                               "partecipanti al condominio");
    QTest::newRow("tables approved by majority")
        << 2 << QString::fromUtf8("maggioranza degli intervenuti e almeno la metà del valore "
                                  "dell'edificio (art.1136 C.C. secondo comma)");
    QTest::newRow("tables: the united sections") << 2 << QStringLiteral("9 agosto 2010 n.18477");
    QTest::newRow("tables revised by art. 69") << 2 << QStringLiteral("(art.69 Disp. Att. primo comma)");
    QTest::newRow("forbidden innovations") << 3 << QStringLiteral("(art.1120 C.C. ultimo comma)");
    QTest::newRow("ordinary first call")
        << 5 << QString::fromUtf8("Maggioranza degli intervenuti e almeno la metà del valore");
    QTest::newRow("ordinary second call")
        << 6 << QStringLiteral("Maggioranza degli intervenuti con un numero di voti che rappresenti "
                               "almeno un terzo del valore");
    QTest::newRow("administrator in any call")
        << 7 << QStringLiteral("in prima come in seconda convocazione (art.1136 C.C. quarto comma)");
    QTest::newRow("lawsuits in any call") << 8 << QStringLiteral("in prima come in seconda convocazione");
    QTest::newRow("reconstruction in any call") << 9 << QStringLiteral("in prima come in seconda convocazione");
    QTest::newRow("innovations: those present")
        << 10 << QStringLiteral("Maggioranza degli intervenuti e almeno i due terzi del valore");
    QTest::newRow("abdicative heating resolution") << 12 << QStringLiteral("n.24976");
    QTest::newRow("energy saving: one third")
        << 13 << QStringLiteral("almeno un terzo del valore dell'edificio");
    QTest::newRow("split with works: those present")
        << 15 << QStringLiteral("Maggioranza degli intervenuti e almeno i due terzi del valore");
    QTest::newRow("change of use")
        << 16 << QStringLiteral("Quattro quinti dei partecipanti al condominio e quattro quinti del "
                                "valore dell'edificio");
    QTest::newRow("eased innovations in any call") << 17 << QStringLiteral("in prima come in seconda convocazione");
    QTest::newRow("video surveillance in any call") << 18 << QStringLiteral("in prima come in seconda convocazione");
    QTest::newRow("videoconference") << 19 << QStringLiteral("Previo consenso della maggioranza dei condomini");
}

void TestMajorityTable::textsStateTheLawInForce()
{
    QFETCH(int, n);
    QFETCH(QString, rule);
    QVERIFY2(textOf(n).contains(rule), qPrintable(textOf(n)));
}

// Rules of the texts written before the 2012 reform that the law no longer holds.
void TestMajorityTable::preReformRulesNeverReappear_data()
{
    QTest::addColumn<QString>("outdated");
    QTest::newRow("first call: two thirds of the participants")
        << QStringLiteral("due terzi dei partecipanti");
    QTest::newRow("fifth paragraph counted on all participants")
        << QStringLiteral("Maggioranza dei partecipanti al condominio e i due terzi");
    QTest::newRow("tables only by unanimity")
        << QStringLiteral("le tabelle millesimali hanno forza di contratto");
    QTest::newRow("energy saving by millesimal majority")
        << QStringLiteral("Maggioranza millesimale");
    QTest::newRow("the old call rule") << QStringLiteral("tutti i condomini sono stati invitati");
}

void TestMajorityTable::preReformRulesNeverReappear()
{
    QFETCH(QString, outdated);
    for (const Majority &majority : MajorityTable::shipped().majorities) {
        QVERIFY2(!majority.text.contains(outdated, Qt::CaseInsensitive), qPrintable(majority.caption));
        QVERIFY2(!majority.caption.contains(outdated, Qt::CaseInsensitive), qPrintable(majority.caption));
    }
    // The forbidden innovations moved from the second to the last paragraph of art. 1120.
    QVERIFY(!MajorityTable::shipped().majorities.at(2).caption.contains(QStringLiteral("2' comma")));
}

void TestMajorityTable::readsParagraphsCommentsAndCrLf()
{
    const QByteArray file = "# commento\r\n\r\n"
                            "materia: 1)  Prima\r\n"
                            "testo: primo capoverso\r\n"
                            "testo:   secondo: con due punti  \r\n"
                            "fonte: https://a.example\r\n"
                            "# tra due materie\n"
                            "materia: 2)  Seconda\n"
                            "testo: unico\n"
                            "fonte: https://b.example\n"
                            "fonte: https://c.example\n";
    const MajorityTable::Reading reading = MajorityTable::parse(file);
    QVERIFY2(reading.isValid(), qPrintable(reading.error));
    QCOMPARE(reading.majorities.size(), 2);
    QCOMPARE(reading.majorities.at(0).caption, QStringLiteral("1)  Prima"));
    QCOMPARE(reading.majorities.at(0).text, QStringLiteral("primo capoverso\nsecondo: con due punti"));
    QCOMPARE(reading.majorities.at(0).sources, QStringList{QStringLiteral("https://a.example")});
    QCOMPARE(reading.majorities.at(1).number, 2);
    QCOMPARE(reading.majorities.at(1).sources.size(), 2);
}

void TestMajorityTable::refusesAMalformedFileWhole_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    const QByteArray good = "materia: 1) A\ntesto: a\nfonte: f\n";
    QTest::newRow("empty") << QByteArray() << QStringLiteral("il file non contiene nessuna materia");
    QTest::newRow("comments only") << QByteArray("# x\n\n") << QStringLiteral("il file non contiene nessuna materia");
    QTest::newRow("unknown key") << QByteArray(good + "nota: x\n") << QStringLiteral("riga 4:");
    QTest::newRow("line without key") << QByteArray(good + "testo\n") << QStringLiteral("riga 4:");
    QTest::newRow("number skipped")
        << QByteArray(good + "materia: 3) C\ntesto: c\nfonte: f\n")
        << QStringLiteral("riga 4: il tasto della materia n. 2");
    QTest::newRow("caption without number")
        << QByteArray("materia: Costituzione\ntesto: a\nfonte: f\n") << QStringLiteral("riga 1:");
    QTest::newRow("text before any matter") << QByteArray("testo: a\n" + good) << QStringLiteral("riga 1:");
    QTest::newRow("matter without text")
        << QByteArray("materia: 1) A\nfonte: f\nmateria: 2) B\ntesto: b\nfonte: f\n")
        << QStringLiteral("riga 3: la materia n. 1 non ha testo");
    QTest::newRow("matter without sources")
        << QByteArray(good + "materia: 2) B\ntesto: b\n") << QStringLiteral("la materia n. 2 non ha fonti");
    QTest::newRow("text after its sources")
        << QByteArray(good + "testo: tardi\n") << QStringLiteral("riga 4:");
    QTest::newRow("empty text") << QByteArray("materia: 1) A\ntesto:   \nfonte: f\n") << QStringLiteral("riga 2:");
    QTest::newRow("not UTF-8") << QByteArray("materia: 1) Validit\xe0\ntesto: a\nfonte: f\n")
                               << QStringLiteral("UTF-8");
}

void TestMajorityTable::refusesAMalformedFileWhole()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    const MajorityTable::Reading reading = MajorityTable::parse(file);
    QVERIFY(!reading.isValid());
    QVERIFY2(reading.error.contains(error), qPrintable(reading.error));
    QVERIFY(reading.majorities.isEmpty());
}

void TestMajorityTable::missingFileIsAnError()
{
    const MajorityTable::Reading reading = MajorityTable::load(QStringLiteral("/nonexistent/maggioranze.txt"));
    QVERIFY(!reading.isValid());
    QVERIFY(reading.error.contains(QStringLiteral("/nonexistent/maggioranze.txt")));
}

QTEST_APPLESS_MAIN(TestMajorityTable)
#include "tst_majoritytable.moc"
