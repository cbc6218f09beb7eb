#include "library/assembly/majoritytable.h"
#include "library/assembly/thresholdline.h"

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
    void thresholdsFollowTheArticleTexts_data();
    void thresholdsFollowTheArticleTexts();
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

void TestMajorityTable::thresholdsFollowTheArticleTexts_data()
{
    QTest::addColumn<int>("matter");
    QTest::addColumn<QStringList>("thresholds");
    QTest::addColumn<QStringList>("phrases");

    // Each matter's thresholds as the article says them, and the words of the matter's own
    // text that say the same. Art. 1136: c. 2 majority of the attendees and half the value;
    // c. 3 (second call) a third of the value; c. 4 c. 2's majority in every call; c. 5 two
    // thirds of the value. Art. 1117-ter: four fifths of the participants and of the value.
    const QString c2 = QStringLiteral("maggioranza degli intervenuti e 1/2 del valore");
    const QString c3 = QStringLiteral("maggioranza degli intervenuti e 1/3 del valore");
    const QString c5 = QStringLiteral("maggioranza degli intervenuti e 2/3 del valore");
    const QString half = QString::fromUtf8("almeno la metà del valore");
    const QString third = QStringLiteral("almeno un terzo del valore");
    const QString twoThirds = QStringLiteral("almeno i due terzi del valore");
    const QString always = QStringLiteral("in prima come in seconda convocazione");
    const QStringList byCall{QStringLiteral("1: ") + c2, QStringLiteral("2: ") + c3};
    const auto every = [](const QString &threshold) {
        return QStringList{QStringLiteral("1: ") + threshold, QStringLiteral("2: ") + threshold};
    };
    QTest::newRow("1") << 1 << byCall << QStringList{QStringLiteral("ai tasti 5 e 6")};
    QTest::newRow("2") << 2 << every(c2) << QStringList{half};
    QTest::newRow("3") << 3 << QStringList{QStringLiteral("nessuna")} << QStringList{QStringLiteral("Nessuna maggioranza basta")};
    QTest::newRow("4") << 4 << every(c5) << QStringList{QStringLiteral("innovazioni (tasto 10)")};
    QTest::newRow("5") << 5 << byCall << QStringList{half};
    QTest::newRow("6") << 6 << byCall << QStringList{third};
    for (int matter : {7, 8, 9, 17, 18})
        QTest::addRow("%d", matter) << matter << every(c2) << QStringList{half, always};
    QTest::newRow("10") << 10 << every(c5) << QStringList{twoThirds};
    QTest::newRow("11") << 11 << every(c2) << QStringList{half};
    QTest::newRow("12") << 12 << QStringList{QString::fromUtf8("unanimità")} << QStringList{QString::fromUtf8("All'unanimità")};
    QTest::newRow("13") << 13 << every(c3) << QStringList{third};
    QTest::newRow("14") << 14 << every(c2) << QStringList{half};
    QTest::newRow("15") << 15 << every(c5) << QStringList{twoThirds};
    QTest::newRow("16") << 16 << every(QStringLiteral("4/5 dei partecipanti e 4/5 del valore"))
                        << QStringList{QStringLiteral("Quattro quinti dei partecipanti al condominio e quattro quinti del valore")};
    QTest::newRow("19") << 19 << every(QStringLiteral("maggioranza dei partecipanti"))
                        << QStringList{QStringLiteral("consenso della maggioranza dei condomini")};
}

void TestMajorityTable::thresholdsFollowTheArticleTexts()
{
    QFETCH(int, matter);
    QFETCH(QStringList, thresholds);
    QFETCH(QStringList, phrases);
    const Majority majority = MajorityTable::shipped().majorities.value(matter - 1);
    QVERIFY(majority.hasRule);
    const MajorityRule &rule = majority.rule;
    QStringList found;
    if (rule.kind == MajorityRule::Kind::Unanimity)
        found << QString::fromUtf8("unanimità");
    else if (rule.kind == MajorityRule::Kind::NotDecidable)
        found << QStringLiteral("nessuna");
    for (int call = 1; call <= 2; ++call) {
        if (!rule.calls[call - 1])
            continue;
        const QString line = ThresholdLine::linesOf(rule).value(call - 1);
        found << QStringLiteral("%1: ").arg(call) + line.mid(line.indexOf(QLatin1Char(':')) + 2).section(QStringLiteral(" ("), 0, 0);
    }
    QCOMPARE(found, thresholds);
    for (const QString &phrase : phrases)
        QVERIFY2(majority.text.contains(phrase), qPrintable(phrase));
    const QString cited = rule.kind == MajorityRule::Kind::Shares ? rule.calls[0]->rule : rule.rule;
    QVERIFY(!cited.isEmpty());
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
    QTest::newRow("threshold in another form")
        << QByteArray("materia: 1) A\ntesto: a\nsoglia: metà del valore\nfonte: f\n") << QStringLiteral("riga 3: la soglia");
    QTest::newRow("threshold of a call given twice")
        << QByteArray("materia: 1) A\ntesto: a\nsoglia: ogni convocazione: 1/3 dei partecipanti (r)\n"
                      "soglia: prima convocazione: 1/2 dei partecipanti (r)\nfonte: f\n")
        << QString::fromUtf8("riga 4: la soglia della prima convocazione è data due volte");
    QTest::newRow("share above the whole")
        << QByteArray("materia: 1) A\ntesto: a\nsoglia: ogni convocazione: 5/4 dei partecipanti (r)\nfonte: f\n")
        << QStringLiteral("riga 3:");
    QTest::newRow("unanimity beside a share")
        << QByteArray("materia: 1) A\ntesto: a\nsoglia: ogni convocazione: 1/3 dei partecipanti (r)\n"
                      "soglia: unanimit\xc3\xa0 (r)\nfonte: f\n")
        << QStringLiteral("riga 4:");
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
