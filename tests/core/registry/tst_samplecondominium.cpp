#include "core/expenses/expenseallocation.h"
#include "core/expenses/expenseseries.h"
#include "core/registry/condominiumarchive.h"
#include "core/registry/condominiumcheck.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"

#include <QtTest>

#include <memory>

using namespace veltra;

namespace {

const QString Folder = QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio");
const QString Archive = Folder + QStringLiteral("/Veltra-dati-Condominio Le Magnolie");
const QString FirstItem = Folder + QStringLiteral("/Veltra-spese-Condominio Le Magnolie- 2026 1");

} // namespace

// The sample shipped for a first run: Condominio Le Magnolie, ten owners from the
// basement to the fourth floor, with a lift, a roof terrace in the exclusive use of the
// fourth floor and heating by volume, and four expense items with some payments. The
// expected figures were worked out by hand from the units' typed surfaces and coefficients.
class TestSampleCondominium : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void archiveIsCompleteAndPassesTheDataCheck();
    void millesimiAreThoseOfTheUnits_data();
    void millesimiAreThoseOfTheUnits();
    void seriesOpensItemByItemWithSharesAndPayments_data();
    void seriesOpensItemByItemWithSharesAndPayments();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestSampleCondominium::init()
{
    m_state = std::make_unique<SharedState>();
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(Archive);
    QVERIFY(result.isComplete());
    CondominiumArchive::apply(result, *m_state);
}

void TestSampleCondominium::archiveIsCompleteAndPassesTheDataCheck()
{
    QCOMPARE(m_state->condoName, QStringLiteral("Condominio Le Magnolie"));
    QCOMPARE(m_state->ownerCount, 10);
    QCOMPARE(m_state->heatingBasis, 1);
    QStringList floors;
    for (int i = 1; i <= m_state->ownerCount; ++i) {
        if (!floors.contains(m_state->owner(i).ownerFloor))
            floors << m_state->owner(i).ownerFloor;
    }
    QCOMPARE(floors, QStringList({"-1", "0", "1", "2", "3", "4"}));
    QCOMPARE(m_state->owner(10).ownerName, QString::fromUtf8("Moretti Nicolò"));
    QCOMPARE(m_state->unit(10, 6).unitName, QStringLiteral("lastrico solare in uso esclusivo"));

    QVERIFY(recomputeTables(*m_state));
    // With heating by volume marked, every unit must carry its volume.
    const CondominiumCheck::Finding finding =
        CondominiumCheck::check(*m_state, 1, CondominiumCheck::Form::Command);
    QCOMPARE(finding.text, CondominiumCheck::passedText());
    QVERIFY(finding.passed);
}

void TestSampleCondominium::millesimiAreThoseOfTheUnits_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<double>("virtualSurface");
    QTest::addColumn<double>("millesimi");
    QTest::addColumn<double>("useMillesimi");
    // Total virtual surface 545,31 square metres; floors -1, 0, 1, 2, 3, 4 weigh 1 + 0 + 1 +
    // 2 + 3 + 4 = 11, each floor's share of 1000 divided by the property millesimi on it.
    QTest::newRow("basement") << 1 << 9.87 << 18.100 << 1000.0 / 11;
    QTest::newRow("shop on the ground floor") << 2 << 73.16 << 134.162 << 0.0;
    QTest::newRow("first floor") << 4 << 63.81 << 117.016 << 1000.0 / 11 * 117.016 / 195.669;
    QTest::newRow("fourth floor with the terrace") << 10 << 89.64 << 164.384 << 4000.0 / 11;
}

void TestSampleCondominium::millesimiAreThoseOfTheUnits()
{
    QFETCH(int, owner);
    QFETCH(double, virtualSurface);
    QFETCH(double, millesimi);
    QFETCH(double, useMillesimi);
    const double stored = m_state->owner(owner).ownerMillesimi.toNumber();
    QVERIFY(recomputeTables(*m_state));
    const Owner &o = m_state->owner(owner);
    QVERIFY(qAbs(o.ownerVirtualSurface - virtualSurface) < 1e-9);
    QCOMPARE(o.ownerMillesimi.toNumber(), millesimi);
    QCOMPARE(stored, millesimi); // the file holds what its units give
    QVERIFY(qAbs(o.useMillesimi - useMillesimi) < 1e-9);
}

void TestSampleCondominium::seriesOpensItemByItemWithSharesAndPayments_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("criterion");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("shares");
    QTest::addColumn<int>("paid");
    // Item 1, art. 1124: 1.464,00 by half property and half floor millesimi; item 2 by the
    // heated volumes (1.602,1 cubic metres in all); item 3, art. 1126: a third to the
    // fourth floor, two thirds by property millesimi among all ten owners.
    QTest::newRow("lift") << 1 << 5 << "1.464,00"
        << QStringList({"79,79", "98,21", "56,69", "125,45", "84,32", "170,23", "112,51",
                        "209,49", "140,80", "386,51"}) << 8;
    QTest::newRow("heating") << 2 << 3 << "8.750,00"
        << QStringList({"0,00", "1.302,04", "855,83", "1.061,73", "737,31", "1.061,73",
                        "737,31", "1.061,73", "737,31", "1.194,99"}) << 5;
    QTest::newRow("roof terrace") << 3 << 6 << "6.300,00"
        << QStringList({"76,02", "563,48", "325,26", "491,47", "330,34", "516,96", "341,66",
                        "516,96", "347,44", "2.790,41"}) << 1;
    // Item 4 by heat meters: 70 % of 9.600,00 (6.720,00) by readings adding up to 12.500
    // (6.720,00 / 12.500 = 0,5376 a unit: 994,56, 602,112, …, the 4 cents left to owners
    // 5, 7, 9 and 6), the 2.880,00 left by the heated volumes of owners 2 to 10 (the 2
    // cents left to owners 2 and 10); owner 1 heats nothing and takes no part.
    QTest::newRow("heat meters") << 4 << 7 << "9.600,00"
        << QStringList({"0,00", "1.423,12", "883,80", "1.177,36", "769,53", "1.215,00",
                        "796,41", "1.142,42", "782,97", "1.409,39"}) << 0;
}

void TestSampleCondominium::seriesOpensItemByItemWithSharesAndPayments()
{
    QFETCH(int, item);
    QFETCH(int, criterion);
    QFETCH(QString, amount);
    QFETCH(QStringList, shares);
    QFETCH(int, paid);
    ScriptedPlatform platform;
    ExpenseSeries series(*m_state);
    series.setType(ManagementType::Spese);
    platform.fileNames.enqueue(FirstItem);
    for (int k = 1; k <= item; ++k)
        QCOMPARE(series.open(k, platform).outcome, ExpenseSeries::OpenOutcome::Opened);
    QCOMPARE(m_state->item(item).expenseAmount, amount);
    QCOMPARE(m_state->calcType, criterion);
    QStringList read;
    int payments = 0;
    for (int i = 1; i <= m_state->ownerCount; ++i) {
        read << m_state->owner(i).shareAmount;
        payments += m_state->owner(i).paymentDate.isEmpty() ? 0 : 1;
    }
    QCOMPARE(read, shares);
    QCOMPARE(payments, paid);

    // The shares in the file are those the allocation gives from its inputs.
    allocateExpense(*m_state, item);
    for (int i = 1; i <= m_state->ownerCount; ++i)
        QCOMPARE(m_state->owner(i).shareAmount, shares.at(i - 1));
    QCOMPARE(series.count().lastExisting, 4);
}

QTEST_GUILESS_MAIN(TestSampleCondominium)
#include "tst_samplecondominium.moc"
