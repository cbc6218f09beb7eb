#include "core/registry/condominiumcheck.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QtTest>

#include <functional>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;
using Form = CondominiumCheck::Form;

Q_DECLARE_METATYPE(std::function<void(veltra::SharedState &)>)

namespace {

using Change = std::function<void(SharedState &)>;

// Two complete owners with two units each; heating values filled.
void fillComplete(SharedState &state)
{
    state.condoName = QStringLiteral("Aurora");
    for (int i = 1; i <= 2; ++i)
        addOwner(state, QStringLiteral("Condomino %1").arg(i), QString::number(i),
                 {makeUnit(QStringLiteral("20")), makeUnit(QStringLiteral("30"))});
}

} // namespace

class TestCondominiumCheck : public QObject
{
    Q_OBJECT

private slots:
    void findsTheFirstMissingDatum_data();
    void findsTheFirstMissingDatum();
    void everyEmptyCellOfAUnitHasItsMessage_data();
    void everyEmptyCellOfAUnitHasItsMessage();
    void completeDataPass();
    void heatingValuesCountOnlyWithAnOptionMarked();
};

void TestCondominiumCheck::findsTheFirstMissingDatum_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    const int critical = int(MessageIcon::Critical);

    QTest::newRow("no name comes before no owners")
        << Change([](SharedState &s) { s.condoName.clear(); s.ownerCount = 0; }) << critical
        << "Digitare il nome del condominio.";
    QTest::newRow("no owners")
        << Change([](SharedState &s) { s.ownerCount = 0; }) << int(MessageIcon::Exclamation)
        << "Non esistono dati riconosciuti:\n- per procedere è necessario avere un elenco di "
           "condomini;\n- prelevarli dall'archivio o digitarli nei campi della finestra.";
    QTest::newRow("address of owner 2")
        << Change([](SharedState &s) { s.owner(2).ownerAddress.clear(); }) << critical
        << "Condomino n. 2:\n- digitare l'indirizzo.";
    QTest::newRow("address before floor")
        << Change([](SharedState &s) {
               s.owner(1).ownerFloor.clear();
               s.owner(1).ownerAddress.clear();
           })
        << critical << "Condomino n. 1:\n- digitare l'indirizzo.";
    QTest::newRow("floor")
        << Change([](SharedState &s) { s.owner(1).ownerFloor.clear(); }) << critical
        << "Condomino n. 1:\n- digitare il numero del piano.";
    QTest::newRow("no units")
        << Change([](SharedState &s) { s.owner(2).unitCount = 0; }) << critical
        << "Condomino n. 2:\n- digitare i dati di almeno un locale.";
    QTest::newRow("destination of unit 2 of owner 1")
        << Change([](SharedState &s) { s.unit(1, 2).coeffDestination.clear(); }) << critical
        << "Condomino n. 1:\n- digitare il coefficiente di destinazione del locale n. 2";
    QTest::newRow("owner 1 comes before owner 2")
        << Change([](SharedState &s) {
               s.owner(2).ownerAddress.clear();
               s.unit(1, 2).coeffVolume.clear();
           })
        << critical << "Condomino n. 1:\n- digitare il coefficiente di volume del locale n. 2";
    QTest::newRow("surface before coefficients")
        << Change([](SharedState &s) {
               s.unit(2, 1).coeffLight.clear();
               s.unit(2, 1).netSurface.clear();
           })
        << critical << "Condomino n. 2:\n- digitare la superficie del locale n. 1";
    QTest::newRow("light before functionality")
        << Change([](SharedState &s) {
               s.unit(2, 1).coeffFunction.clear();
               s.unit(2, 1).coeffLight.clear();
           })
        << critical << "Condomino n. 2:\n- digitare il coefficiente di luminosità del locale n. 1";
    QTest::newRow("floor coefficient")
        << Change([](SharedState &s) { s.unit(1, 1).coeffFloor.clear(); }) << critical
        << "Condomino n. 1:\n- digitare il coefficiente di piano del locale n. 1";
    QTest::newRow("a surface in words")
        << Change([](SharedState &s) { s.unit(2, 2).netSurface = QStringLiteral("mille"); })
        << critical
        << QString::fromUtf8("Condomino n. 2:\n- correggere la superficie del locale n. 2: "
                             "\"mille\" non è un numero.");
    QTest::newRow("a surface of 400 digits")
        << Change([](SharedState &s) { s.unit(1, 1).netSurface = QString(400, QLatin1Char('9')); })
        << critical
        << QString::fromUtf8("Condomino n. 1:\n- correggere la superficie del locale n. 1: il "
                             "numero ha più di quindici cifre prima della virgola.");
    QTest::newRow("sixteen integer digits are too many for exact sums")
        << Change([](SharedState &s) { s.unit(1, 2).coeffFunction = QStringLiteral("1.000.000.000.000.000"); })
        << critical
        << QString::fromUtf8("Condomino n. 1:\n- correggere il coefficiente di funzionalità del "
                             "locale n. 2: il numero ha più di quindici cifre prima della virgola.");
    QTest::newRow("a coefficient with two commas")
        << Change([](SharedState &s) { s.unit(2, 1).coeffProspect = QStringLiteral("0,9,5"); })
        << critical
        << QString::fromUtf8("Condomino n. 2:\n- correggere il coefficiente di prospetto del "
                             "locale n. 1: \"0,9,5\" non è un numero.");
    QTest::newRow("a heating value in words, with the option by volume marked")
        << Change([](SharedState &s) { s.unit(2, 1).heatingValue = QStringLiteral("ottanta"); })
        << critical
        << QString::fromUtf8("Condomino n. 2:\n- correggere la cubatura del locale n. 1: "
                             "\"ottanta\" non è un numero.");
    QTest::newRow("a wrong cell after a missing one of the same unit")
        << Change([](SharedState &s) {
               s.unit(1, 1).coeffFloor = QStringLiteral("uno");
               s.unit(1, 1).coeffDestination.clear();
           })
        << critical
        << "Condomino n. 1:\n- digitare il coefficiente di destinazione del locale n. 1";
    QTest::newRow("a long text is quoted only in part")
        << Change([](SharedState &s) {
               s.unit(1, 1).netSurface = QStringLiteral("circa venticinque metri quadrati e mezzo");
           })
        << critical
        << QString::fromUtf8("Condomino n. 1:\n- correggere la superficie del locale n. 1: "
                             "\"circa venticinque metri quadra…\" non è un numero.");
    QTest::newRow("a decimal figure with thousands is a number")
        << Change([](SharedState &s) { s.unit(1, 2).netSurface = QStringLiteral("1.234,56"); })
        << int(MessageIcon::Information) << "I dati sono stati immessi correttamente.";
    QTest::newRow("a coefficient below zero")
        << Change([](SharedState &s) { s.unit(1, 1).coeffLight = QStringLiteral("-0,5"); })
        << critical
        << QString::fromUtf8("Condomino n. 1:\n- correggere il coefficiente di luminosità del "
                             "locale n. 1: \"-0,5\" è minore di zero.");
    QTest::newRow("a surface below zero")
        << Change([](SharedState &s) { s.unit(2, 2).netSurface = QStringLiteral("-58"); })
        << critical
        << QString::fromUtf8("Condomino n. 2:\n- correggere la superficie del locale n. 2: "
                             "\"-58\" è minore di zero.");
    QTest::newRow("a volume below zero")
        << Change([](SharedState &s) { s.unit(1, 2).heatingValue = QStringLiteral("-120,5"); })
        << critical
        << QString::fromUtf8("Condomino n. 1:\n- correggere la cubatura del locale n. 2: "
                             "\"-120,5\" è minore di zero.");
    QTest::newRow("zero is no fault")
        << Change([](SharedState &s) { s.unit(1, 1).coeffVolume = QStringLiteral("0"); })
        << int(MessageIcon::Information) << "I dati sono stati immessi correttamente.";
    QTest::newRow("owners beyond the count are not examined")
        << Change([](SharedState &s) { s.owner(3).ownerName = QStringLiteral("Verdi"); })
        << int(MessageIcon::Information) << "I dati sono stati immessi correttamente.";
}

void TestCondominiumCheck::findsTheFirstMissingDatum()
{
    QFETCH(Change, change);
    QFETCH(int, icon);
    QFETCH(QString, text);
    SharedState state;
    fillComplete(state);
    change(state);
    const CondominiumCheck::Finding finding = CondominiumCheck::check(state, 1, Form::Command);
    QCOMPARE(int(finding.icon), icon);
    QCOMPARE(finding.text, text);
    QCOMPARE(finding.passed, icon == int(MessageIcon::Information));
    // Before saving, a failure reads the same; only success is silent.
    const CondominiumCheck::Finding saving = CondominiumCheck::check(state, 1, Form::BeforeSaving);
    QCOMPARE(saving.passed, finding.passed);
    if (!saving.passed)
        QCOMPARE(saving.text, text);
}

void TestCondominiumCheck::everyEmptyCellOfAUnitHasItsMessage_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("heatingOption");
    QTest::addColumn<QString>("text");
    const char16_t *texts[] = {u"- digitare la superficie",
                               u"- digitare il coefficiente di destinazione",
                               u"- digitare il coefficiente di piano",
                               u"- digitare il coefficiente di orientamento",
                               u"- digitare il coefficiente di prospetto",
                               u"- digitare il coefficiente di luminosità",
                               u"- digitare il coefficiente di funzionalità",
                               u"- digitare il coefficiente di volume"};
    for (int cell = 0; cell < 8; ++cell)
        QTest::addRow("cell %d", cell) << cell << 0 << QString::fromUtf16(texts[cell]);
    QTest::newRow("heating by volume") << 8 << 1 << QStringLiteral("- digitare la cubatura");
    QTest::newRow("heating by radiant surface")
        << 8 << 2 << QStringLiteral("- digitare la superficie radiante");
}

// Unit 1 of owner 2 lacks one cell; the message names the cell, the owner and the unit.
void TestCondominiumCheck::everyEmptyCellOfAUnitHasItsMessage()
{
    QFETCH(int, cell);
    QFETCH(int, heatingOption);
    QFETCH(QString, text);
    SharedState state;
    fillComplete(state);
    Unit &unit = state.unit(2, 1);
    QString *cells[] = {&unit.netSurface,    &unit.coeffDestination, &unit.coeffFloor,
                        &unit.coeffOrientation, &unit.coeffProspect, &unit.coeffLight,
                        &unit.coeffFunction, &unit.coeffVolume,      &unit.heatingValue};
    cells[cell]->clear();
    const CondominiumCheck::Finding finding =
        CondominiumCheck::check(state, heatingOption, Form::Command);
    QVERIFY(!finding.passed);
    QCOMPARE(finding.icon, MessageIcon::Critical);
    QCOMPARE(finding.text, QStringLiteral("Condomino n. 2:\n") + text
                               + QStringLiteral(" del locale n. 1"));
}

void TestCondominiumCheck::completeDataPass()
{
    SharedState state;
    fillComplete(state);
    const CondominiumCheck::Finding command = CondominiumCheck::check(state, 2, Form::Command);
    QVERIFY(command.passed);
    QCOMPARE(command.icon, MessageIcon::Information);
    QCOMPARE(command.text, QStringLiteral("I dati sono stati immessi correttamente."));
    const CondominiumCheck::Finding saving = CondominiumCheck::check(state, 2, Form::BeforeSaving);
    QVERIFY(saving.passed);
    QVERIFY(saving.text.isEmpty());
    QCOMPARE(saving.icon, MessageIcon::None);
}

void TestCondominiumCheck::heatingValuesCountOnlyWithAnOptionMarked()
{
    SharedState state;
    fillComplete(state);
    state.unit(2, 2).heatingValue.clear();
    QVERIFY(CondominiumCheck::check(state, 0, Form::Command).passed);
    QCOMPARE(CondominiumCheck::check(state, 1, Form::Command).text,
             QStringLiteral("Condomino n. 2:\n- digitare la cubatura del locale n. 2"));
    QCOMPARE(CondominiumCheck::check(state, 2, Form::Command).text,
             QStringLiteral("Condomino n. 2:\n- digitare la superficie radiante del locale n. 2"));

    // Not required without an option, but what is typed is counted: it must be a number.
    state.unit(2, 2).heatingValue = QStringLiteral("80 mc");
    QCOMPARE(CondominiumCheck::check(state, 0, Form::Command).text,
             QString::fromUtf8("Condomino n. 2:\n- correggere la cubatura o superficie radiante "
                               "del locale n. 2: \"80 mc\" non è un numero."));
    QCOMPARE(CondominiumCheck::check(state, 2, Form::BeforeSaving).text,
             QString::fromUtf8("Condomino n. 2:\n- correggere la superficie radiante del locale "
                               "n. 2: \"80 mc\" non è un numero."));
}

QTEST_GUILESS_MAIN(TestCondominiumCheck)
#include "tst_condominiumcheck.moc"
