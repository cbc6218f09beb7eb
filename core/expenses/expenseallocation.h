#pragma once

#include <QList>
#include <QString>

namespace veltra {

class SharedState;
struct Owner;

// The per-owner input columns of the expense window, in the order of its grid.
enum class ExpenseColumn {
    TakesPart,       // participation check box (Check1)
    FixedPercent,    // perc
    OwnerMillesimi,  // mill
    FloorMillesimi,  // pian
    HeatingQuantity, // risc
    OneThird,        // unterz
    TwoThirds,       // dueterz
    MeterReading,    // lett: the heat-meter reading
    ReadingEstimated,// stima: the reading is an estimate
    DemandMillesimi  // fabb: millesimi di fabbisogno
};

// The allocation criteria; the value is calcType. 0 means none chosen yet, and any value
// outside 1..7 is allocated like PerMillesimi.
enum ExpenseCriterion {
    NoCriterion = 0,
    PerMillesimi = 1,
    PerConvenzione = 2,
    HeatingByVolume = 3,
    HeatingByRadiantSurface = 4,
    StairsArt1124 = 5,
    RoofTerraceArt1126 = 6,
    MeteredHeating = 7, // heat meters or allocators: a share by readings, the rest by a basis
    LastCriterion = MeteredHeating
};

// Which input columns the user may edit and whether the "tutti" command is enabled.
struct ColumnAccess
{
    bool takesPart = true;
    bool fixedPercent = true;
    bool ownerMillesimi = true;
    bool floorMillesimi = true;
    bool heatingQuantity = true;
    bool oneThird = true;
    bool twoThirds = true;
    bool meterReading = true;
    bool readingEstimated = true;
    bool demandMillesimi = true;
    bool tuttiEnabled = true;

    bool isEditable(ExpenseColumn column) const;
    bool operator==(const ColumnAccess &other) const;
};

// What one run of the allocation did, for the window to show.
struct AllocationResult
{
    bool computed = false;       // false when the amount is empty: the shares were left alone
    ColumnAccess columns;        // editable columns for the current criterion
    // Owners (in order) whose fixed percentage was emptied because it took the total of
    // the fixed percentages above 100; the window shows percentOverLimitMessage() once for
    // each, titled checkTitle, critical icon. The shares are already recomputed without it.
    QList<int> clearedPercentOwners;
};

// Recomputes shareAmount (euro, "##,##0.00") of owners 1..ownerCount from the amount of
// item k, calcType and the per-owner inputs. Where a criterion's divisor is zero, or the
// amount is no number, the shares are 0,00. Writes only shareAmount, an empty
// heatingQuantity made 0 under criteria 3 and 4, and a fixedPercent emptied under
// criterion 2.
AllocationResult allocateExpense(SharedState &state, int k);

// What the stairs rule (criterion 5) divides its halves by: the property millesimi and
// the floor millesimi of the owners who take part, in thousandths.
struct StairsTotals
{
    double ownerMillesimi = 0;
    double floorMillesimi = 0;
};

StairsTotals stairsTotals(const SharedState &state);

// The editable columns for calcType; every column while the amount is empty.
ColumnAccess columnAccess(int calcType, bool amountEmpty);

// The per-owner inputs the criterion calcType uses, in the order of the grid.
QList<ExpenseColumn> criterionInputs(int calcType);

// The criterion preselected from the condominium's heatingBasis: 1 gives criterion 3,
// 2 gives criterion 4, anything else NoCriterion.
int criterionForHeatingBasis(int heatingBasis);

// The starting inputs of owners 1..ownerCount when the expense window opens: floorMillesimi
// is useMillesimi as "##0.000", heatingQuantity the units' heatingValue summed and cut to
// one decimal after every addition (cubic metres or square metres).
void initExpenseInputs(SharedState &state);

// What the registry gives an owner for the stairs rule: his useMillesimi as "##0.000".
QString registryFloorMillesimi(const Owner &owner);
// What the registry gives an owner for the heating criteria: the heatingValue of his units
// summed and cut to one decimal after every addition (cubic metres or square metres).
double registryHeatingQuantity(const Owner &owner);

// The "tutti" command: when owner 1 takes part every owner 1..ownerCount leaves the item,
// otherwise every one takes part.
void toggleTakesPartForAll(SharedState &state);

// A share in euro as the shares are shown: "##,##0.00" (1.234,50).
QString formatShare(double euro);
// A share text formatted again; a text already so formatted comes back unchanged, one that
// is no number comes back as typed.
QString reformatShare(const QString &share);

// The message of a total of fixed percentages above 100.
QString percentOverLimitMessage();

} // namespace veltra
