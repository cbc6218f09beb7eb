#include "core/expenses/expensearchive.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/state/sharedstate.h"
#include "core/expenses/spesecheck.h"

#include <QtTest>

#include <functional>

using namespace veltra;

Q_DECLARE_METATYPE(std::function<void(veltra::SharedState &)>)

namespace {

using Change = std::function<void(SharedState &)>;

// Item 1 of three owners, every datum of every criterion given and right.
void fillItem(SharedState &state)
{
    state.condoName = QStringLiteral("Aurora");
    state.ownerCount = 3;
    ExpenseItem &item = state.item(1);
    item.expenseAmount = QStringLiteral("1.250,00");
    item.expenseType = QStringLiteral("pulizia scale");
    item.expenseDate = QStringLiteral("10/01/2026");
    const char *millesimi[] = {"300", "450,5", "249,5"};
    for (int i = 1; i <= 3; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.takesPart = 1;
        owner.ownerMillesimi = Cell::fromText(QString::fromLatin1(millesimi[i - 1]));
        owner.fixedPercent = QStringLiteral("10");
        owner.floorMillesimi = QStringLiteral("333,333");
        owner.heatingQuantity = Cell::fromNumber(120.5);
        owner.twoThirdsPercent = QStringLiteral("50");
    }
}

SpeseCheck::Finding checkUnder(const SharedState &state, int criterion)
{
    return SpeseCheck::check(state, 1, {true, QStringLiteral("spese"), criterion});
}

} // namespace

class TestSpeseCheck : public QObject
{
    Q_OBJECT

private slots:
    void aTextThatIsNoNumberIsNeverCounted_data();
    void aTextThatIsNoNumberIsNeverCounted();
    void dataTheCriterionDoesNotCountAreNotJudged();
    void stairsRuleWithNothingToWeighSaysWhy();
    void theShippedSampleItemsPass();
};

void TestSpeseCheck::aTextThatIsNoNumberIsNeverCounted_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("criterion");
    QTest::addColumn<QString>("text");

    QTest::newRow("an amount in words")
        << Change([](SharedState &s) { s.item(1).expenseAmount = QStringLiteral("mille euro"); })
        << 1 << QString::fromUtf8("Correggere la somma da ripartire: \"mille euro\" non è un numero.");
    QTest::newRow("an amount of 400 digits")
        << Change([](SharedState &s) { s.item(1).expenseAmount = QString(400, QLatin1Char('1')); })
        << 1
        << QString::fromUtf8("Correggere la somma da ripartire: il numero ha più di quindici "
                             "cifre prima della virgola.");
    QTest::newRow("an empty amount is still asked for first")
        << Change([](SharedState &s) {
               s.item(1).expenseAmount.clear();
               s.owner(1).ownerMillesimi = Cell::fromText(QStringLiteral("mille"));
           })
        << 1 << QStringLiteral("Digitare la somma da ripartire.");
    QTest::newRow("millesimi in words")
        << Change([](SharedState &s) { s.owner(2).ownerMillesimi = Cell::fromText(QStringLiteral("ottanta")); })
        << 1 << QString::fromUtf8("Condomino n. 2:\n- correggere i millesimi: \"ottanta\" non è un numero.");
    QTest::newRow("a fixed percentage in words, under an agreement")
        << Change([](SharedState &s) { s.owner(3).fixedPercent = QStringLiteral("dieci"); })
        << 2
        << QString::fromUtf8("Condomino n. 3:\n- correggere la percentuale fissa: \"dieci\" non è "
                             "un numero.");
    QTest::newRow("floor millesimi with two commas, under the stairs rule")
        << Change([](SharedState &s) { s.owner(1).floorMillesimi = QStringLiteral("333,3,3"); })
        << 5
        << QString::fromUtf8("Condomino n. 1:\n- correggere i millesimi di piano: \"333,3,3\" non "
                             "è un numero.");
    QTest::newRow("a volume of 400 digits")
        << Change([](SharedState &s) {
               s.owner(2).heatingQuantity = Cell::fromText(QString(400, QLatin1Char('9')));
           })
        << 3
        << QString::fromUtf8("Condomino n. 2:\n- correggere la cubatura: il numero ha più di "
                             "quindici cifre prima della virgola.");
    QTest::newRow("a radiant surface with its unit")
        << Change([](SharedState &s) { s.owner(1).heatingQuantity = Cell::fromText(QStringLiteral("12 mq")); })
        << 4
        << QString::fromUtf8("Condomino n. 1:\n- correggere la superficie radiante: \"12 mq\" non "
                             "è un numero.");
    QTest::newRow("a two-thirds percentage in words, under the terrace rule")
        << Change([](SharedState &s) { s.owner(3).twoThirdsPercent = QStringLiteral("metà"); })
        << 6
        << QString::fromUtf8("Condomino n. 3:\n- correggere la percentuale dei millesimi per due "
                             "terzi: \"metà\" non è un numero.");
    QTest::newRow("owners in order: a missing datum of owner 1 before a wrong one of owner 2")
        << Change([](SharedState &s) {
               s.owner(1).ownerMillesimi = Cell();
               s.owner(2).ownerMillesimi = Cell::fromText(QStringLiteral("ottanta"));
           })
        << 1 << QStringLiteral("Condomino n. 1:\n- digitare i millesimi.");
    QTest::newRow("right figures pass")
        << Change([](SharedState &s) { s.owner(1).ownerMillesimi = Cell::fromText(QStringLiteral("1.000,000")); })
        << 5 << QStringLiteral("I dati sono stati immessi correttamente.");
}

void TestSpeseCheck::aTextThatIsNoNumberIsNeverCounted()
{
    QFETCH(Change, change);
    QFETCH(int, criterion);
    QFETCH(QString, text);
    SharedState state;
    fillItem(state);
    change(state);
    const SpeseCheck::Finding finding = checkUnder(state, criterion);
    QCOMPARE(finding.text, text);
    const bool passed = text == QLatin1String("I dati sono stati immessi correttamente.");
    QCOMPARE(finding.passed, passed);
    QCOMPARE(finding.icon, passed ? MessageIcon::Information : MessageIcon::Critical);
}

// What a criterion does not divide by cannot make its shares wrong.
void TestSpeseCheck::dataTheCriterionDoesNotCountAreNotJudged()
{
    SharedState state;
    fillItem(state);
    state.owner(1).fixedPercent = QStringLiteral("dieci");
    state.owner(2).floorMillesimi = QStringLiteral("tre");
    state.owner(3).heatingQuantity = Cell::fromText(QStringLiteral("molta"));
    state.owner(3).twoThirdsPercent = QStringLiteral("metà");
    QVERIFY(checkUnder(state, 1).passed);
    QVERIFY(!checkUnder(state, 2).passed);
    QVERIFY(!checkUnder(state, 3).passed);
    QVERIFY(!checkUnder(state, 5).passed);
    QVERIFY(!checkUnder(state, 6).passed);
}

// Owner 3 is not served; owners 1 and 2 have no millesimi of either kind.
void TestSpeseCheck::stairsRuleWithNothingToWeighSaysWhy()
{
    SharedState state;
    fillItem(state);
    for (int i = 1; i <= 2; ++i) {
        state.owner(i).ownerMillesimi = Cell::fromNumber(0);
        state.owner(i).floorMillesimi = QStringLiteral("0,000");
    }
    state.owner(3).takesPart = 0;
    const SpeseCheck::Finding finding = checkUnder(state, 5);
    QVERIFY(!finding.passed);
    QCOMPARE(finding.icon, MessageIcon::Critical);
    QCOMPARE(finding.text,
             QString::fromUtf8("Nessuna quota può essere calcolata:\n- i condomini che partecipano "
                               "alla spesa hanno in tutto zero millesimi di proprietà e zero "
                               "millesimi di piano;\n- correggere i millesimi o scegliere i "
                               "condomini serviti dalle scale o dall'ascensore."));

    // Floor millesimi alone are enough: the whole amount then goes by floor height.
    state.owner(2).floorMillesimi = QStringLiteral("500,000");
    QVERIFY(checkUnder(state, 5).passed);
}

void TestSpeseCheck::theShippedSampleItemsPass()
{
    for (int k = 1; k <= 4; ++k) {
        SharedState state;
        const QString path =
            QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/Veltra-spese-Condominio Le Magnolie- 2026 ")
            + QString::number(k);
        const ExpenseArchive::LoadResult item = ExpenseArchive::load(path, true);
        QVERIFY(ExpenseArchive::apply(item, state, k, true));
        MeterReadingsFile::LoadResult readings;
        QVERIFY(!MeterReadingsFile::readBeside(path, item, readings));
        MeterReadingsFile::applyWithItem(item, readings, state);
        const SpeseCheck::Finding finding =
            SpeseCheck::check(state, k, {true, QStringLiteral("spese"), state.calcType});
        QVERIFY2(finding.passed, qPrintable(finding.text));
    }
}

QTEST_MAIN(TestSpeseCheck)
#include "tst_spesecheck.moc"
