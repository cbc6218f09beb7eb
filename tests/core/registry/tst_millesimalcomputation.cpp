#include "core/registry/millesimalcomputation.h"
#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

namespace {

// Owners with one unit each of the given surface (all coefficients 1), on the given floors.
void addOwnersOnFloors(SharedState &state, const QStringList &surfaces, const QStringList &floors)
{
    for (int k = 0; k < surfaces.size(); ++k)
        addOwner(state, QStringLiteral("Condomino %1").arg(k + 1), floors.at(k),
                 {makeUnit(surfaces.at(k))});
}

bool near(double actual, double expected)
{
    return std::fabs(actual - expected) < 1e-9;
}

} // namespace

class TestMillesimalComputation : public QObject
{
    Q_OBJECT

private slots:
    void virtualSurfaceIsCutToTwoDecimals_data();
    void virtualSurfaceIsCutToTwoDecimals();
    void millesimiAreRoundedHalfUp();
    void unitAndOwnerMillesimi();
    void unitMillesimiAreRoundedToThousandths();
    void lastOwnerAndLastUnitAreComputed();
    void ownerWithoutSurfaceKeepsPreviousMillesimi();
    void stopsAtFirstMissingDatum_data();
    void stopsAtFirstMissingDatum();
    void floorTables_data();
    void floorTables();
    void groundFloorAndEmptyFloorsGetNoUseMillesimi();
    void zeroFloorTotalKeepsUseMillesimi();
    void zeroTotalSurfaceLeavesMillesimiAlone();
    void ownerCaptionText();
    void figuresBeyondAnyNumberNeverGiveUndefinedMillesimi_data();
    void figuresBeyondAnyNumberNeverGiveUndefinedMillesimi();
    void oneTypedCellGivesTheFullComputation();
};

void TestMillesimalComputation::virtualSurfaceIsCutToTwoDecimals_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<double>("expected");

    const QStringList ones(7, QStringLiteral("1"));
    QStringList destination = ones;
    destination[0] = QStringLiteral("0,9");
    QTest::newRow("all coefficients 1") << "25,5" << ones << 25.5;
    QTest::newRow("destination 0,9") << "25,5" << destination << 22.95;
    QTest::newRow("10,999 is cut") << "10,999" << ones << 10.99;
    QTest::newRow("thousands point") << "1.000" << QStringList{"0,5", "1", "1", "1", "1", "1", "1"}
                                     << 500.0;
    // In binary 100 * 1,15 is 114,99999999999999: the cut goes by the decimal figure.
    QTest::newRow("1,15 stays 1,15") << "1,15" << ones << 1.15;
    QTest::newRow("0,29 stays 0,29") << "0,29" << ones << 0.29;
    QStringList balcony = ones;
    balcony[0] = QStringLiteral("0,95");
    QTest::newRow("28 x 0,95 is 26,60") << "28" << balcony << 26.6;
    QStringList covered = ones;
    covered[0] = QStringLiteral("0,30");
    QTest::newRow("6 x 0,30 is 1,80") << "6" << covered << 1.8;
    QTest::newRow("seven factors") << "20"
                                   << QStringList{"0,9", "0,95", "1", "0,85", "1", "0,9", "1"}
                                   << 13.08; // 20*0.9*0.95*0.85*0.9 = 13.0815
}

void TestMillesimalComputation::virtualSurfaceIsCutToTwoDecimals()
{
    QFETCH(QString, surface);
    QFETCH(QStringList, coefficients);
    QFETCH(double, expected);

    SharedState state;
    addOwner(state, QStringLiteral("Rossi"), QStringLiteral("1"), {makeUnit(surface, coefficients)});
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.unitFigures(1, 1).virtualSurface, expected);
    QCOMPARE(state.owner(1).ownerVirtualSurface, expected);
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(1000));
}

void TestMillesimalComputation::millesimiAreRoundedHalfUp()
{
    SharedState state;
    // 1 of 80000 square metres is 12.5 millionths: half up gives 0,013.
    addOwnersOnFloors(state, {"1", "79999"}, {"1", "2"});
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerMillesimi.toNumber(), 0.013);
    QCOMPARE(state.owner(2).ownerMillesimi.toNumber(), 999.988);

    SharedState three;
    addOwnersOnFloors(three, {"10", "10", "10"}, {"1", "1", "1"});
    QVERIFY(recomputeTables(three));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(three.owner(i).ownerMillesimi, Cell::fromNumber(333.333));
}

void TestMillesimalComputation::unitAndOwnerMillesimi()
{
    SharedState state;
    addOwner(state, QStringLiteral("Rossi"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("10")), makeUnit(QStringLiteral("30"))});
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"), {makeUnit(QStringLiteral("60"))});
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerVirtualSurface, 40.0);
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(400));
    QCOMPARE(state.unitFigures(1, 1).unitMillesimi, 100.0);
    QCOMPARE(state.unitFigures(1, 2).unitMillesimi, 300.0);
    QCOMPARE(state.owner(2).ownerMillesimi, Cell::fromNumber(600));
    QCOMPARE(state.unitFigures(2, 1).unitMillesimi, 600.0);
}

// Sevenths never divide: each unit's thousandths are rounded half up on their own.
void TestMillesimalComputation::unitMillesimiAreRoundedToThousandths()
{
    SharedState state;
    addOwner(state, QStringLiteral("Rossi"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("1")), makeUnit(QStringLiteral("2"))});
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"), {makeUnit(QStringLiteral("4"))});
    QVERIFY(recomputeTables(state));
    // 1/7 = 0,142857…, 2/7 = 0,285714…, 3/7 = 0,428571…, 4/7 = 0,571428…
    QCOMPARE(state.unitFigures(1, 1).unitMillesimi, 142.857);
    QCOMPARE(state.unitFigures(1, 2).unitMillesimi, 285.714);
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(428.571));
    QCOMPARE(state.unitFigures(2, 1).unitMillesimi, 571.429);
    QCOMPARE(state.owner(2).ownerMillesimi, Cell::fromNumber(571.429));
}

// Every owner and unit up to the last of each: 500 owners of 50 units of 1 square metre,
// the very last unit of 2, all on floor 1 but owner 500 on floor 2. The total is 25 001.
void TestMillesimalComputation::lastOwnerAndLastUnitAreComputed()
{
    SharedState state;
    const QList<Unit> units(MaxUnits, makeUnit(QStringLiteral("1")));
    for (int i = 1; i <= MaxOwners; ++i)
        addOwner(state, QStringLiteral("Condomino %1").arg(i),
                 i == MaxOwners ? QStringLiteral("2") : QStringLiteral("1"), units);
    state.unit(MaxOwners, MaxUnits).netSurface = QStringLiteral("2");
    QVERIFY(recomputeTables(state));

    QCOMPARE(state.unitFigures(MaxOwners, MaxUnits).virtualSurface, 2.0);
    QCOMPARE(state.owner(MaxOwners).ownerVirtualSurface, 51.0);
    // 2/25001 = 0,0000799…; 51/25001 = 0,0020399…; 50/25001 = 0,0019999…
    QCOMPARE(state.unitFigures(MaxOwners, MaxUnits).unitMillesimi, 0.080);
    QCOMPARE(state.unitFigures(MaxOwners, 1).unitMillesimi, 0.040);
    QCOMPARE(state.owner(MaxOwners).ownerMillesimi, Cell::fromNumber(2.040));
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(2.000));
    QCOMPARE(state.owner(MaxOwners - 1).ownerMillesimi, Cell::fromNumber(2.000));
    // S = 1 + 2: floor 2 takes 2/3 of 1000 alone; floor 1's 1/3 goes to 499 owners of
    // 2 thousandths each, 998 in all.
    QCOMPARE(state.owner(1).floorTotal, 998.0);
    QVERIFY(near(state.owner(MaxOwners).useMillesimi, 2000.0 / 3));
    QVERIFY(near(state.owner(1).useMillesimi, 1000.0 / 3 / 998 * 2));
    QVERIFY(near(state.owner(MaxOwners).stairsMillesimi, (2.040 + 2000.0 / 3) / 2));
    QVERIFY(near(state.owner(MaxOwners - 1).stairsMillesimi, (2 + 1000.0 / 3 / 499) / 2));
}

void TestMillesimalComputation::ownerWithoutSurfaceKeepsPreviousMillesimi()
{
    SharedState state;
    addOwnersOnFloors(state, {"30", "10"}, {"1", "1"});
    const int noUnits = addOwner(state, QStringLiteral("Verdi"), QStringLiteral("1"), {});
    state.owner(noUnits).ownerMillesimi = Cell::fromNumber(123.456);
    const int zeroSurface = addOwner(state, QStringLiteral("Neri"), QStringLiteral("2"),
                                     {makeUnit(QStringLiteral("0"))});
    state.owner(zeroSurface).ownerMillesimi = Cell::fromText(QStringLiteral("77,5"));
    state.unitFigures(zeroSurface, 1).unitMillesimi = 5;

    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(750));
    QCOMPARE(state.owner(noUnits).ownerMillesimi, Cell::fromNumber(123.456));
    QCOMPARE(state.owner(zeroSurface).ownerMillesimi, Cell::fromText(QStringLiteral("77,5")));
    QCOMPARE(state.unitFigures(zeroSurface, 1).unitMillesimi, 5.0);
    // The kept millesimi still count in the floor tables: floor 1 holds 750 + 250 + 123,456.
    QVERIFY(near(state.owner(1).floorTotal, 1123.456));
    QVERIFY(near(state.owner(zeroSurface).floorTotal, 77.5));
}

void TestMillesimalComputation::stopsAtFirstMissingDatum_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("empty surface") << 0 << "";
    QTest::newRow("empty light coefficient") << 5 << "";
    QTest::newRow("empty volume coefficient") << 7 << "";
    QTest::newRow("two commas") << 2 << "1,2,3";
    QTest::newRow("inner minus") << 1 << "4-5";
}

void TestMillesimalComputation::stopsAtFirstMissingDatum()
{
    QFETCH(int, field);
    QFETCH(QString, value);

    SharedState state;
    addOwnersOnFloors(state, {"40", "60", "50"}, {"1", "2", "3"});
    state.owner(1).ownerMillesimi = Cell::fromNumber(999);
    state.owner(2).ownerVirtualSurface = 33;
    state.owner(3).ownerVirtualSurface = 44;
    state.owner(1).useMillesimi = 7;
    Unit &broken = state.unit(2, 1);
    QString *fields[] = {&broken.netSurface,    &broken.coeffDestination, &broken.coeffFloor,
                         &broken.coeffOrientation, &broken.coeffProspect, &broken.coeffLight,
                         &broken.coeffFunction, &broken.coeffVolume};
    const QString typed = *fields[field];
    *fields[field] = value;

    QVERIFY(!recomputeTables(state));
    QCOMPARE(state.unitFigures(1, 1).virtualSurface, 40.0);    // reached before the stop
    QCOMPARE(state.owner(2).ownerVirtualSurface, 0.0);  // begun, then stopped
    QCOMPARE(state.owner(3).ownerVirtualSurface, 44.0); // never reached
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(999));
    QCOMPARE(state.owner(1).useMillesimi, 7.0);

    *fields[field] = typed;
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(266.667)); // 40 of 150
}

void TestMillesimalComputation::floorTables_data()
{
    QTest::addColumn<QStringList>("surfaces");
    QTest::addColumn<QStringList>("floors");
    QTest::addColumn<QList<double>>("floorTotals");
    QTest::addColumn<QList<double>>("use");

    // S = 0 + 1 + 2 = 3; floor 1 takes 1000/3, floor 2 takes 2000/3.
    QTest::newRow("floors 0 1 2")
        << QStringList{"10", "10", "10"} << QStringList{"0", "1", "2"}
        << QList<double>{-1, 333.333, 333.333} << QList<double>{0, 1000.0 / 3, 2000.0 / 3};
    // Floor 1 splits its 1000/3 as 300 : 100.
    QTest::newRow("two owners on floor 1")
        << QStringList{"30", "10", "60"} << QStringList{"1", "1", "2"}
        << QList<double>{400, 400, 600} << QList<double>{250, 1000.0 / 12, 2000.0 / 3};
    // Floors entered out of order: floor 1 is counted twice, S = 4, the sum is 750.
    QTest::newRow("floors 1 2 1")
        << QStringList{"10", "10", "10"} << QStringList{"1", "2", "1"}
        << QList<double>{666.666, 333.333, 666.666} << QList<double>{125, 500, 125};
    // Floor -1 weighs like floor 1: S = 1 + 1 + 2 = 4.
    QTest::newRow("negative floor repeated")
        << QStringList{"10", "30", "40", "20"} << QStringList{"-1", "-1", "1", "2"}
        << QList<double>{400, 400, 400, 200} << QList<double>{62.5, 187.5, 250, 500};
    // An empty floor between others adds nothing to S = 1 + 2 and gets no use millesimi.
    QTest::newRow("empty floor in the middle")
        << QStringList{"10", "10", "20"} << QStringList{"1", "", "2"}
        << QList<double>{250, 250, 500} << QList<double>{1000.0 / 3, 0, 2000.0 / 3};
    QTest::newRow("empty floor last")
        << QStringList{"10", "10", "20"} << QStringList{"1", "2", ""}
        << QList<double>{250, 250, 500} << QList<double>{1000.0 / 3, 2000.0 / 3, 0};
    QTest::newRow("all on the ground floor")
        << QStringList{"10", "30"} << QStringList{"0", "0"}
        << QList<double>{-1, -1} << QList<double>{0, 0};
}

void TestMillesimalComputation::floorTables()
{
    QFETCH(QStringList, surfaces);
    QFETCH(QStringList, floors);
    QFETCH(QList<double>, floorTotals);
    QFETCH(QList<double>, use);

    SharedState state;
    addOwnersOnFloors(state, surfaces, floors);
    for (int k = 1; k <= state.ownerCount; ++k)
        state.owner(k).floorTotal = -1; // the ground floor's total is never computed
    QVERIFY(recomputeTables(state));
    for (int k = 1; k <= state.ownerCount; ++k) {
        const Owner &owner = state.owner(k);
        const double property = owner.ownerMillesimi.toNumber();
        QVERIFY2(near(owner.floorTotal, floorTotals.at(k - 1)), qPrintable(QString::number(k)));
        QVERIFY2(near(owner.useMillesimi, use.at(k - 1)),
                 qPrintable(QStringLiteral("owner %1: %2").arg(k).arg(owner.useMillesimi)));
        QVERIFY(near(owner.stairsMillesimi, (property + use.at(k - 1)) / 2));
    }
}

void TestMillesimalComputation::groundFloorAndEmptyFloorsGetNoUseMillesimi()
{
    SharedState state;
    addOwnersOnFloors(state, {"10", "10", "10", "10"}, {"0", "00", "", "terra"});
    addOwnersOnFloors(state, {"10"}, {"3"});
    QVERIFY(recomputeTables(state));
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(state.owner(k).useMillesimi, 0.0);
        QCOMPARE(state.owner(k).stairsMillesimi, 100.0);
    }
    // S = 3, the only floor with weight: it takes all 1000.
    QVERIFY(near(state.owner(5).useMillesimi, 1000));
    QVERIFY(near(state.owner(5).stairsMillesimi, 600));
}

void TestMillesimalComputation::zeroFloorTotalKeepsUseMillesimi()
{
    SharedState state;
    addOwnersOnFloors(state, {"10"}, {"1"});
    const int empty = addOwner(state, QStringLiteral("Verdi"), QStringLiteral("3"), {});
    state.owner(empty).useMillesimi = 77;
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(empty).floorTotal, 0.0);
    QCOMPARE(state.owner(empty).useMillesimi, 77.0);
    QCOMPARE(state.owner(empty).stairsMillesimi, 38.5);
    QVERIFY(near(state.owner(1).useMillesimi, 250)); // S = 1 + 3
}

// Only negative surfaces can bring the total to 0; nothing may be divided by it.
void TestMillesimalComputation::zeroTotalSurfaceLeavesMillesimiAlone()
{
    SharedState state;
    addOwnersOnFloors(state, {"10", "-10"}, {"1", "2"});
    state.owner(1).ownerMillesimi = Cell::fromNumber(500);
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(500));
    QVERIFY(state.owner(2).ownerMillesimi.isEmpty());
    // The floor tables still run on the kept millesimi: floors 1 and 2 give S = 3; owner 2's
    // floor holds nothing, so his use millesimi stay 0.
    QVERIFY(near(state.owner(1).useMillesimi, 1000.0 / 3));
    QVERIFY(near(state.owner(1).stairsMillesimi, (500 + 1000.0 / 3) / 2));
    QCOMPARE(state.owner(2).useMillesimi, 0.0);
    QCOMPARE(state.owner(2).stairsMillesimi, 0.0);
}

void TestMillesimalComputation::ownerCaptionText()
{
    SharedState state;
    addOwnersOnFloors(state, {"10", "10", "10"}, {"1", "1", "1"});
    state.owner(2).ownerName = QStringLiteral("Bianchi Anna");
    QVERIFY(recomputeTables(state));
    // Str puts its blank before every count that is not negative; the millesimi read as
    // millesimi do, with the decimal comma (a point would read as a thousands separator).
    QCOMPARE(ownerCaption(state, 2), QStringLiteral("Condomino n. 2: Bianchi Anna - numero "
                                                    "locali:  1 - millesimi totali: 333,333"));
    QCOMPARE(ownerCaption(state, 7), QStringLiteral("Condomino n. 7:  - numero locali:  0 - "
                                                    "millesimi totali: 0,000"));
}

void TestMillesimalComputation::figuresBeyondAnyNumberNeverGiveUndefinedMillesimi_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QString>("coefficient");
    QTest::newRow("a surface of 400 digits") << QString(400, QLatin1Char('9')) << "1";
    // Each figure is a number; their product is beyond any.
    QTest::newRow("a product beyond any number")
        << QLatin1Char('1') + QString(200, QLatin1Char('0'))
        << QLatin1Char('1') + QString(200, QLatin1Char('0'));
    QTest::newRow("surfaces whose sum is beyond any number")
        << QLatin1Char('9') + QString(307, QLatin1Char('0')) << "1";
}

void TestMillesimalComputation::figuresBeyondAnyNumberNeverGiveUndefinedMillesimi()
{
    QFETCH(QString, surface);
    QFETCH(QString, coefficient);
    SharedState state;
    addOwnersOnFloors(state, {"40", "60"}, {"1", "2"});
    QVERIFY(recomputeTables(state));
    QCOMPARE(state.owner(1).ownerMillesimi.toNumber(), 400.0);
    addOwner(state, QStringLiteral("Verdi"), QStringLiteral("3"),
             {makeUnit(surface, {coefficient, "1", "1", "1", "1", "1", "1"}),
              makeUnit(surface)});

    QVERIFY(!recomputeTables(state));
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Owner &owner = state.owner(i);
        QVERIFY(std::isfinite(owner.ownerMillesimi.toNumber()));
        QVERIFY(std::isfinite(owner.useMillesimi));
        QVERIFY(std::isfinite(owner.stairsMillesimi));
        QVERIFY(std::isfinite(owner.unitFigures[1].virtualSurface));
    }
    // The last right tables stay: 400 and 600 on floors 1 and 2, S = 3.
    QCOMPARE(state.owner(1).ownerMillesimi.toNumber(), 400.0);
    QCOMPARE(state.owner(2).ownerMillesimi.toNumber(), 600.0);
    QVERIFY(near(state.owner(1).useMillesimi, 1000.0 / 3));
    QVERIFY(near(state.owner(2).useMillesimi, 2000.0 / 3));
    QVERIFY(near(state.owner(2).stairsMillesimi, (600 + 2000.0 / 3) / 2));
    const QString csv = OwnerTableCsv::build(state).toLower();
    QVERIFY2(!csv.contains(QLatin1String("nan")) && !csv.contains(QLatin1String("inf")),
             qPrintable(csv));
    QCOMPARE(OwnerTableCsv::millesimi(std::nan("")), QString());
    QCOMPARE(OwnerTableCsv::millesimi(-HUGE_VAL), QString());
}

namespace {

// The first cell the computation writes that differs between the two registries, or empty.
QString firstDifference(const SharedState &a, const SharedState &b)
{
    for (int i = 0; i <= MaxOwners; ++i) {
        const Owner &x = a.owner(i);
        const Owner &y = b.owner(i);
        if (x.ownerVirtualSurface != y.ownerVirtualSurface || x.ownerMillesimi != y.ownerMillesimi
            || x.floorTotal != y.floorTotal || x.useMillesimi != y.useMillesimi
            || x.stairsMillesimi != y.stairsMillesimi)
            return QStringLiteral("owner %1").arg(i);
        for (int j = 0; j <= MaxUnits; ++j) {
            if (x.unitFigures[j].virtualSurface != y.unitFigures[j].virtualSurface
                || x.unitFigures[j].unitMillesimi != y.unitFigures[j].unitMillesimi)
                return QStringLiteral("unit %1 of owner %2").arg(j).arg(i);
        }
    }
    return QString();
}

QString &factorCell(Unit &unit, int f)
{
    QString *factors[] = {&unit.netSurface,    &unit.coeffDestination, &unit.coeffFloor,
                          &unit.coeffOrientation, &unit.coeffProspect, &unit.coeffLight,
                          &unit.coeffFunction, &unit.coeffVolume};
    return *factors[f];
}

} // namespace

// Typed cells one at a time, the window's way: after a complete computation only the typed
// unit is computed again. Among the texts, ones that stop the computation (empty, no
// number, beyond any number) or come near the largest number, a zero and a negative
// surface, units and an owner beyond the counts; each such cell is typed right again at the
// next edit.
void TestMillesimalComputation::oneTypedCellGivesTheFullComputation()
{
    const QString nearLargest = QLatin1Char('9') + QString(301, QLatin1Char('0'));
    const QStringList valid = {"12,5", "0,95", "1", "33", "0", "-3,5", "0,333", "1.250"};
    const QStringList stopping = {"", "1,2,3", QLatin1Char('1') + QString(305, QLatin1Char('0')),
                                  nearLargest};
    SharedState typed;
    SharedState full;
    RegistryFixture::fillRegistry(typed, 120, 20);
    RegistryFixture::fillRegistry(full, 120, 20);
    bool complete = recomputeTables(typed);
    QVERIFY(recomputeTables(full));
    int stoppedRuns = 0;
    auto type = [&](int i, int j, int f, const QString &text) {
        factorCell(typed.unit(i, j), f) = text;
        factorCell(full.unit(i, j), f) = text;
        complete = complete ? recomputeAfterUnitChange(typed, i, j) : recomputeTables(typed);
        stoppedRuns += complete ? 0 : 1;
        return complete == recomputeTables(full) ? firstDifference(typed, full)
                                                 : QStringLiteral("the outcome");
    };
    QRandomGenerator random(19);
    std::optional<std::array<int, 3>> toMend;
    for (int edit = 0; edit < 400; ++edit) {
        std::array<int, 3> cell = {random.bounded(1, 122), random.bounded(1, 23), random.bounded(8)};
        if (toMend)
            cell = *toMend;
        const bool odd = !toMend && random.bounded(12) == 0;
        const QString text = odd ? stopping[random.bounded(stopping.size())]
                                 : valid[random.bounded(valid.size())];
        toMend = odd ? std::optional(cell) : std::nullopt;
        const QString difference = type(cell[0], cell[1], cell[2], text);
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("edit %1: %2").arg(edit).arg(difference)));
    }
    QVERIFY(stoppedRuns > 0);
    if (toMend)
        QCOMPARE(type((*toMend)[0], (*toMend)[1], (*toMend)[2], valid[0]), QString());
    // Two surfaces that are numbers alone and beyond any together: the tables computed
    // before them stay as the full computation leaves them.
    for (int i : {3, 7}) {
        for (int f = 1; f < 8; ++f)
            QCOMPARE(type(i, 2, f, QStringLiteral("1")), QString());
    }
    QCOMPARE(type(3, 2, 0, nearLargest), QString());
    QVERIFY(complete);
    QCOMPARE(type(7, 2, 0, nearLargest), QString());
    QVERIFY(!complete);
}

QTEST_GUILESS_MAIN(TestMillesimalComputation)
#include "tst_millesimalcomputation.moc"
