#include "core/expenses/expenseallocation.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;

namespace {

struct OwnerInput
{
    int takesPart = 1;
    QString millesimi;
    QString fixedPercent;
    QString floorMillesimi;
    QString heating;
    int oneThird = 0;
    QString twoThirds;
};

// Owners 1..n with the given inputs; every share starts as a stale "9,99".
void fillOwners(SharedState &state, const QList<OwnerInput> &inputs)
{
    state.ownerCount = int(inputs.size());
    for (int i = 1; i <= state.ownerCount; ++i) {
        const OwnerInput &input = inputs.at(i - 1);
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.takesPart = input.takesPart;
        owner.ownerMillesimi = Cell::fromText(input.millesimi);
        owner.fixedPercent = input.fixedPercent;
        owner.floorMillesimi = input.floorMillesimi;
        owner.heatingQuantity = Cell::fromText(input.heating);
        owner.oneThirdFlag = input.oneThird;
        owner.twoThirdsPercent = input.twoThirds;
        owner.shareAmount = QStringLiteral("9,99");
    }
}

QStringList shares(const SharedState &state)
{
    QStringList list;
    for (int i = 1; i <= state.ownerCount; ++i)
        list << state.owner(i).shareAmount;
    return list;
}

OwnerInput byMillesimi(const QString &millesimi, int takesPart = 1)
{
    OwnerInput input;
    input.millesimi = millesimi;
    input.takesPart = takesPart;
    return input;
}

OwnerInput withPercent(const QString &millesimi, const QString &percent, int takesPart = 1)
{
    OwnerInput input = byMillesimi(millesimi, takesPart);
    input.fixedPercent = percent;
    return input;
}

OwnerInput withFloor(const QString &millesimi, const QString &floor, int takesPart = 1)
{
    OwnerInput input = byMillesimi(millesimi, takesPart);
    input.floorMillesimi = floor;
    return input;
}

OwnerInput withHeating(const QString &heating, int takesPart = 1)
{
    OwnerInput input;
    input.heating = heating;
    input.takesPart = takesPart;
    return input;
}

OwnerInput onTerrace(const QString &millesimi, int oneThird, const QString &twoThirds)
{
    OwnerInput input = byMillesimi(millesimi, 0);
    input.oneThird = oneThird;
    input.twoThirds = twoThirds;
    return input;
}

} // namespace

class TestExpenseAllocation : public QObject
{
    Q_OBJECT

private slots:
    void allocatesByEachCriterion_data();
    void allocatesByEachCriterion();
    void stairsHalvesAreSharedAmongTheOwnersServed();
    void totalPercentAboveHundredClearsTheOffendingOwner();
    void emptyAmountLeavesSharesAndOpensEveryColumn();
    void heatingCriteriaStoreZeroForEmptyQuantities();
    void ownersBeyondTheCountAreUntouched();
    void editableColumnsFollowTheCriterion();
    void sharesAreFormattedAndReformattingChangesNothing();
    void initialInputsComeFromTheCondominium();
    void tuttiTogglesEveryOwner();
};

void TestExpenseAllocation::allocatesByEachCriterion_data()
{
    QTest::addColumn<int>("calcType");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QList<OwnerInput>>("owners");
    QTest::addColumn<QStringList>("expected");

    const QList<OwnerInput> fourOwners = {byMillesimi("500"), byMillesimi("300"),
                                          byMillesimi("200"), byMillesimi("100", 0)};
    QTest::newRow("1: by millesimi, the fourth stays out")
        << 1 << "1.000,00" << fourOwners << QStringList{"500,00", "300,00", "200,00", "0,00"};
    QTest::newRow("0 is allocated like 1")
        << 0 << "1.000,00" << fourOwners << QStringList{"500,00", "300,00", "200,00", "0,00"};
    QTest::newRow("criterion 9") << 9 << "1.000,00" << fourOwners
                                 << QStringList{"500,00", "300,00", "200,00", "0,00"};
    // 10 % of 1000 is 100; the remaining 900 by millesimi: 450 + 100, 270, 180.
    QTest::newRow("2: owner 1 with 10 %")
        << 2 << "1.000,00"
        << QList<OwnerInput>{withPercent("500", "10"), byMillesimi("300"), byMillesimi("200"),
                             withPercent("100", "50", 0)}
        << QStringList{"550,00", "270,00", "180,00", "0,00"};
    // A total of exactly 100 % is allowed: the whole amount goes by percentage.
    QTest::newRow("2: percentages adding up to exactly 100")
        << 2 << "1.000,00"
        << QList<OwnerInput>{withPercent("500", "33,3"), withPercent("300", "33,3"),
                             withPercent("200", "33,4")}
        << QStringList{"333,00", "333,00", "334,00"};
    // Each half is (600 + 400) / 2 = 500 of a total 1000.
    QTest::newRow("5: stairs, each with his own floor millesimi")
        << 5 << "100"
        << QList<OwnerInput>{withFloor("600", "400,000"), withFloor("400", "600,000"),
                             withFloor("300", "100", 0)}
        << QStringList{"50,00", "50,00", "0,00"};
    // 60 by value over 400 millesimi, 60 by height over 300: 15 + 60 and 45 + 0.
    QTest::newRow("5: empty floor millesimi count 0")
        << 5 << "120" << QList<OwnerInput>{withFloor("100", "300"), withFloor("300", "")}
        << QStringList{"75,00", "45,00"};
    // Owner 1 weighs only by value, owner 2 only by height: each takes one whole half,
    // however the two tables add up.
    QTest::newRow("5: each half is half the amount")
        << 5 << "1.000" << QList<OwnerInput>{withFloor("300", "0"), withFloor("0", "200"),
                                             withFloor("500", "0", 0)}
        << QStringList{"500,00", "500,00", "0,00"};
    // Nobody served stands above the ground: 1000 by value, 90 and 110 of 200.
    QTest::newRow("5: every participant on the ground floor")
        << 5 << "1.000" << QList<OwnerInput>{withFloor("90", "0,000"), withFloor("110", "0,000"),
                                             withFloor("300", "500", 0)}
        << QStringList{"450,00", "550,00", "0,00"};
    // One third 100 to owner 1 alone; two thirds 200 by 200 and 300 covered millesimi.
    QTest::newRow("6: terrace, one third and two thirds")
        << 6 << "300"
        << QList<OwnerInput>{onTerrace("100", 1, ""), onTerrace("200", 0, "100"),
                             onTerrace("300", 0, "100")}
        << QStringList{"100,00", "80,00", "120,00"};
    // Two thirds 200 over 200 × 50 % + 300 × 100 % = 400: 200/400 × 100 and 200/400 × 300.
    QTest::newRow("6: no one-third owner, partial cover")
        << 6 << "300"
        << QList<OwnerInput>{onTerrace("100", 0, ""), onTerrace("200", 0, "50"),
                             onTerrace("300", 0, "100")}
        << QStringList{"0,00", "50,00", "150,00"};
    // 1000 / 200,5 per cubic metre: 120,5 → 600,9975…, 80 → 399,0025…
    QTest::newRow("3: by volume")
        << 3 << "1.000,00"
        << QList<OwnerInput>{withHeating("120,5"), withHeating("80"), withHeating(""),
                             withHeating("50", 0)}
        << QStringList{"601,00", "399,00", "0,00", "0,00"};
    QTest::newRow("4: by radiant surface")
        << 4 << "90" << QList<OwnerInput>{withHeating("10"), withHeating("20")}
        << QStringList{"30,00", "60,00"};
    QTest::newRow("rounded to the cent")
        << 1 << "100"
        << QList<OwnerInput>{byMillesimi("1"), byMillesimi("1"), byMillesimi("1")}
        << QStringList{"33,33", "33,33", "33,33"};
    QTest::newRow("half a cent rounds up")
        << 1 << "0,05" << QList<OwnerInput>{byMillesimi("1"), byMillesimi("1")}
        << QStringList{"0,03", "0,03"};
    QTest::newRow("thousands grouped")
        << 1 << "2.469" << QList<OwnerInput>{byMillesimi("1"), byMillesimi("1")}
        << QStringList{"1.234,50", "1.234,50"};

    // Nothing may fail where a divisor is zero or a text is no number: the share is 0,00.
    QTest::newRow("1: participants' millesimi sum to 0")
        << 1 << "1.000" << QList<OwnerInput>{byMillesimi(""), byMillesimi("0"), byMillesimi("5", 0)}
        << QStringList{"0,00", "0,00", "0,00"};
    QTest::newRow("1: millesimi cancelling each other")
        << 1 << "1.000" << QList<OwnerInput>{byMillesimi("5"), byMillesimi("-5")}
        << QStringList{"0,00", "0,00"};
    QTest::newRow("2: no millesimi among the participants")
        << 2 << "1.000" << QList<OwnerInput>{withPercent("", "40"), withPercent("0", "")}
        << QStringList{"0,00", "0,00"};
    QTest::newRow("3: quantities cancelling each other")
        << 3 << "1.000" << QList<OwnerInput>{withHeating("5"), withHeating("-5")}
        << QStringList{"0,00", "0,00"};
    QTest::newRow("5: no halves at all")
        << 5 << "1.000" << QList<OwnerInput>{withFloor("", ""), withFloor("0", "0")}
        << QStringList{"0,00", "0,00"};
    // T2 = 0: the one third is still owner 1's; the two thirds have nobody to charge.
    QTest::newRow("6: nobody under the terrace")
        << 6 << "300" << QList<OwnerInput>{onTerrace("100", 1, "0"), onTerrace("200", 0, "0")}
        << QStringList{"100,00", "0,00"};
    QTest::newRow("6: no flag and no cover")
        << 6 << "300" << QList<OwnerInput>{onTerrace("100", 0, ""), onTerrace("200", 0, "0")}
        << QStringList{"0,00", "0,00"};
    QTest::newRow("amount in letters")
        << 1 << "mille" << QList<OwnerInput>{byMillesimi("500"), byMillesimi("500")}
        << QStringList{"0,00", "0,00"};
    QTest::newRow("millesimi in letters count 0")
        << 1 << "1.000" << QList<OwnerInput>{byMillesimi("dieci"), byMillesimi("300"),
                                             byMillesimi("200")}
        << QStringList{"0,00", "600,00", "400,00"};
    QTest::newRow("percentage in letters counts 0")
        << 2 << "1.000" << QList<OwnerInput>{withPercent("500", "dieci"), withPercent("500", "")}
        << QStringList{"500,00", "500,00"};
    QTest::newRow("heating in letters counts 0")
        << 3 << "1.000" << QList<OwnerInput>{withHeating("tanto"), withHeating("10")}
        << QStringList{"0,00", "1.000,00"};
}

void TestExpenseAllocation::allocatesByEachCriterion()
{
    QFETCH(int, calcType);
    QFETCH(QString, amount);
    QFETCH(QList<OwnerInput>, owners);
    QFETCH(QStringList, expected);
    SharedState state;
    fillOwners(state, owners);
    state.calcType = calcType;
    state.item(2).expenseAmount = amount;
    const AllocationResult result = allocateExpense(state, 2);
    QVERIFY(result.computed);
    QVERIFY(result.clearedPercentOwners.isEmpty());
    QCOMPARE(shares(state), expected);
}

// Ten flats, two on each of the floors 0 to 4; the lift does not serve the two on the
// ground floor. The floor millesimi are those of the registry: floor k weighs k of
// 0 + 1 + 2 + 3 + 4 = 10, so it has k × 100, split between its flats by property millesimi.
// The eight flats served have 800 property millesimi and all 1000 floor millesimi, so the
// value half of 500,00 is 0,625 a millesimo and the height half of 500,00 is 0,50:
//   floor 1:  80 → 50,00 + 40 × 0,50 = 20,00 → 70,00;   120 → 75,00 + 30,00 → 105,00
//   floor 2: 100 → 62,50 + 50,00 → 112,50, twice
//   floor 3:  70 → 43,75 + 105 × 0,50 = 52,50 → 96,25; 130 → 81,25 + 97,50 → 178,75
//   floor 4: 120 → 75,00 + 240 × 0,50 = 120,00 → 195,00; 80 → 50,00 + 80,00 → 130,00
// The value parts add up to 500,00 and so do the height parts.
void TestExpenseAllocation::stairsHalvesAreSharedAmongTheOwnersServed()
{
    SharedState state;
    fillOwners(state, {withFloor("90", "0,000", 0), withFloor("110", "0,000", 0),
                       withFloor("80", "40,000"), withFloor("120", "60,000"),
                       withFloor("100", "100,000"), withFloor("100", "100,000"),
                       withFloor("70", "105,000"), withFloor("130", "195,000"),
                       withFloor("120", "240,000"), withFloor("80", "160,000")});
    state.calcType = StairsArt1124;
    state.item(1).expenseAmount = QStringLiteral("1.000,00");
    allocateExpense(state, 1);
    QCOMPARE(shares(state), (QStringList{"0,00", "0,00", "70,00", "105,00", "112,50", "112,50",
                                         "96,25", "178,75", "195,00", "130,00"}));
    const StairsTotals totals = stairsTotals(state);
    QCOMPARE(totals.ownerMillesimi, 800.0);
    QCOMPARE(totals.floorMillesimi, 1000.0);
}

void TestExpenseAllocation::totalPercentAboveHundredClearsTheOffendingOwner()
{
    SharedState state;
    // Owner 4 does not take part: his 200 % never counts.
    fillOwners(state, {withPercent("500", "200", 0), withPercent("500", "60"),
                       withPercent("300", "50"), withPercent("200", "45")});
    state.calcType = PerConvenzione;
    state.item(1).expenseAmount = QStringLiteral("1.000,00");
    const AllocationResult result = allocateExpense(state, 1);
    // 60 + 50 = 110: owner 3 loses his; 60 + 45 = 105: so does owner 4.
    QCOMPARE(result.clearedPercentOwners, (QList<int>{3, 4}));
    QCOMPARE(state.owner(1).fixedPercent, QStringLiteral("200"));
    QCOMPARE(state.owner(2).fixedPercent, QStringLiteral("60"));
    QVERIFY(state.owner(3).fixedPercent.isEmpty());
    QVERIFY(state.owner(4).fixedPercent.isEmpty());
    // 600 fixed; the remaining 400 over 1000 millesimi: 200 + 600, 120, 80.
    QCOMPARE(shares(state), (QStringList{"0,00", "800,00", "120,00", "80,00"}));
    QCOMPARE(percentOverLimitMessage(),
             QString::fromUtf8("La percentuale totale non può superare il 100% della spesa"));

    QVERIFY(allocateExpense(state, 1).clearedPercentOwners.isEmpty());
}

void TestExpenseAllocation::emptyAmountLeavesSharesAndOpensEveryColumn()
{
    SharedState state;
    fillOwners(state, {byMillesimi("500"), withHeating("")});
    state.calcType = HeatingByVolume;
    const AllocationResult result = allocateExpense(state, 1);
    QVERIFY(!result.computed);
    QCOMPARE(result.columns, ColumnAccess());
    QCOMPARE(shares(state), (QStringList{"9,99", "9,99"}));
    QVERIFY(state.owner(2).heatingQuantity.isEmpty());
}

void TestExpenseAllocation::heatingCriteriaStoreZeroForEmptyQuantities()
{
    SharedState state;
    // Owner 3 stays out of this item, but his empty quantity is made 0 all the same.
    fillOwners(state, {withHeating(""), withHeating("12,5"), withHeating("", 0)});
    state.calcType = HeatingByRadiantSurface;
    state.item(1).expenseAmount = QStringLiteral("10");
    allocateExpense(state, 1);
    QCOMPARE(state.owner(1).heatingQuantity, Cell::fromNumber(0));
    QCOMPARE(state.owner(2).heatingQuantity, Cell::fromText(QStringLiteral("12,5")));
    QCOMPARE(state.owner(3).heatingQuantity, Cell::fromNumber(0));
}

void TestExpenseAllocation::ownersBeyondTheCountAreUntouched()
{
    SharedState state;
    fillOwners(state, {byMillesimi("500"), byMillesimi("500")});
    state.ownerCount = 1;
    state.calcType = PerMillesimi;
    state.item(1).expenseAmount = QStringLiteral("10");
    allocateExpense(state, 1);
    QCOMPARE(state.owner(1).shareAmount, QStringLiteral("10,00"));
    QCOMPARE(state.owner(2).shareAmount, QStringLiteral("9,99"));
}

void TestExpenseAllocation::editableColumnsFollowTheCriterion()
{
    using C = ExpenseColumn;
    const QList<C> all = {C::TakesPart,       C::FixedPercent, C::OwnerMillesimi, C::FloorMillesimi,
                          C::HeatingQuantity, C::OneThird,     C::TwoThirds};
    const QList<QList<C>> editable = {
        {C::TakesPart, C::OwnerMillesimi},
        {C::TakesPart, C::OwnerMillesimi},
        {C::TakesPart, C::FixedPercent, C::OwnerMillesimi},
        {C::TakesPart, C::HeatingQuantity},
        {C::TakesPart, C::HeatingQuantity},
        {C::TakesPart, C::OwnerMillesimi, C::FloorMillesimi},
        {C::OwnerMillesimi, C::OneThird, C::TwoThirds}};
    for (int calcType = 0; calcType <= 6; ++calcType) {
        const ColumnAccess access = columnAccess(calcType, false);
        for (C column : all) {
            QCOMPARE(access.isEditable(column), editable.at(calcType).contains(column));
        }
        QCOMPARE(criterionInputs(calcType), editable.at(calcType));
        QCOMPARE(access.tuttiEnabled, calcType != RoofTerraceArt1126);
        QCOMPARE(columnAccess(calcType, true), ColumnAccess());
    }
    // Leaving the stairs rule for criterion 1 closes the floor millesimi again.
    SharedState state;
    fillOwners(state, {withFloor("600", "400"), withFloor("400", "600")});
    state.item(1).expenseAmount = QStringLiteral("100");
    state.calcType = StairsArt1124;
    QVERIFY(allocateExpense(state, 1).columns.floorMillesimi);
    state.owner(1).ownerMillesimi = Cell::fromNumber(300);
    state.calcType = PerMillesimi;
    QVERIFY(!allocateExpense(state, 1).columns.floorMillesimi);
    QCOMPARE(shares(state), (QStringList{"42,86", "57,14"}));
}

void TestExpenseAllocation::sharesAreFormattedAndReformattingChangesNothing()
{
    QCOMPARE(formatShare(1234.5), QStringLiteral("1.234,50"));
    QCOMPARE(formatShare(0), QStringLiteral("0,00"));
    QCOMPARE(formatShare(-1e-9), QStringLiteral("0,00"));
    QCOMPARE(formatShare(-20), QStringLiteral("-20,00"));
    QCOMPARE(formatShare(1234567.891), QStringLiteral("1.234.567,89"));
    for (const QString share : {"1.234,50", "0,00", "-20,00", "1.234.567,89"})
        QCOMPARE(reformatShare(share), share);
    QCOMPARE(reformatShare(QStringLiteral("1234,5")), QStringLiteral("1.234,50"));
    QCOMPARE(reformatShare(QStringLiteral("boh")), QStringLiteral("boh"));
}

void TestExpenseAllocation::initialInputsComeFromTheCondominium()
{
    SharedState state;
    RegistryFixture::addOwner(state, QStringLiteral("Rossi"), QStringLiteral("1"),
                              {RegistryFixture::makeUnit("10", {}, "a", "10,06"),
                               RegistryFixture::makeUnit("10", {}, "b", "0,07"),
                               RegistryFixture::makeUnit("10", {}, "c", "5")});
    RegistryFixture::addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"),
                              {RegistryFixture::makeUnit("10", {}, "a", ""),
                               RegistryFixture::makeUnit("10", {}, "b", "nulla")});
    state.owner(1).useMillesimi = 125;
    state.owner(2).useMillesimi = 333.3336;
    initExpenseInputs(state);
    QCOMPARE(state.owner(1).floorMillesimi, QStringLiteral("125,000"));
    QCOMPARE(state.owner(2).floorMillesimi, QStringLiteral("333,334"));
    // 10,06 is cut to 10,0; 10,07 to 10,0 again; then 15: never the 15,1 of a plain sum.
    QCOMPARE(state.owner(1).heatingQuantity, Cell::fromNumber(15));
    QCOMPARE(state.owner(2).heatingQuantity, Cell::fromNumber(0));

    // Tenths add up to tenths: 70,2 + 41,9 + 29,7 + 14,9 is 156,7 cubic metres, although in
    // binary the sum of the first three falls just below 141,8.
    SharedState flat;
    RegistryFixture::addOwner(flat, QStringLiteral("Bianchi"), QStringLiteral("0"),
                              {RegistryFixture::makeUnit("26", {}, "soggiorno", "70,2"),
                               RegistryFixture::makeUnit("15,5", {}, "camera", "41,9"),
                               RegistryFixture::makeUnit("11", {}, "cucina", "29,7"),
                               RegistryFixture::makeUnit("5,5", {}, "bagno", "14,9")});
    initExpenseInputs(flat);
    QCOMPARE(flat.owner(1).heatingQuantity.toText(), QStringLiteral("156,7"));

    QCOMPARE(criterionForHeatingBasis(1), int(HeatingByVolume));
    QCOMPARE(criterionForHeatingBasis(2), int(HeatingByRadiantSurface));
    QCOMPARE(criterionForHeatingBasis(0), int(NoCriterion));
    QCOMPARE(criterionForHeatingBasis(3), int(NoCriterion));
}

void TestExpenseAllocation::tuttiTogglesEveryOwner()
{
    SharedState state;
    fillOwners(state, {byMillesimi("1", 1), byMillesimi("1", 0), byMillesimi("1", 1)});
    state.owner(4).takesPart = 1; // beyond the count: not his business
    toggleTakesPartForAll(state);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(state.owner(i).takesPart, 0);
    toggleTakesPartForAll(state);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(state.owner(i).takesPart, 1);
    QCOMPARE(state.owner(4).takesPart, 1);
}

QTEST_GUILESS_MAIN(TestExpenseAllocation)
#include "tst_expenseallocation.moc"
