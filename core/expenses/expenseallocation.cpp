#include "core/expenses/expenseallocation.h"

#include "core/expenses/meterallocation.h"
#include "core/numbers/decimalcut.h"
#include "core/state/cell.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numberscan.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <cmath>

namespace veltra {

namespace {

// A typed number as the allocation uses it: empty texts and texts that are no number
// count as 0, so that a letter typed by mistake never stops the shares.
double numberOf(const QString &text)
{
    return NumberScan::readComma(text).value_or(0.0);
}

double numberOf(const Cell &cell)
{
    return cell.isNumber() ? cell.toNumber() : numberOf(cell.toText());
}

bool takesPart(const Owner &owner)
{
    return owner.takesPart == 1;
}

// A share whose divisor was zero, or that overflowed, is no amount anyone can pay.
double payable(double share)
{
    return std::isfinite(share) ? share : 0.0;
}

// The one place where a criterion's result becomes the shown share.
void setShare(Owner &owner, double euro)
{
    owner.shareAmount = formatShare(payable(euro));
}

int ownerLimit(const SharedState &state)
{
    return std::clamp(state.ownerCount, 0, MaxOwners);
}

void allocateByMillesimi(SharedState &state, double amount)
{
    const int n = ownerLimit(state);
    double millesimi = 0;
    for (int i = 1; i <= n; ++i) {
        if (takesPart(state.owner(i)))
            millesimi += numberOf(state.owner(i).ownerMillesimi);
    }
    for (int i = 1; i <= n; ++i) {
        Owner &owner = state.owner(i);
        const bool shared = takesPart(owner) && millesimi != 0;
        setShare(owner, shared ? numberOf(owner.ownerMillesimi) * (amount / millesimi) : 0.0);
    }
}

// The first owner whose fixed percentage takes the running total of the participants'
// percentages above 100, or 0 when the total stays within it.
int firstOwnerOverHundred(const SharedState &state)
{
    double total = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        total += owner.takesPart * numberOf(owner.fixedPercent);
        if (total > 100)
            return i;
    }
    return 0;
}

// Criterion 2: each participant pays his fixed percentage of the amount and the remainder
// is split by millesimi among the participants.
void allocateByAgreement(SharedState &state, double amount, QList<int> &clearedOwners)
{
    // Emptying one percentage is an input change: the total is walked again, so that the
    // shares always come from percentages that add up to 100 at most.
    for (int i = firstOwnerOverHundred(state); i != 0; i = firstOwnerOverHundred(state)) {
        state.owner(i).fixedPercent.clear();
        clearedOwners.append(i);
    }
    const int n = ownerLimit(state);
    double millesimi = 0;
    double fixedPart = 0;
    for (int i = 1; i <= n; ++i) {
        const Owner &owner = state.owner(i);
        if (takesPart(owner))
            millesimi += numberOf(owner.ownerMillesimi);
        fixedPart += owner.takesPart * amount * numberOf(owner.fixedPercent) / 100;
    }
    const double remainder = amount - fixedPart;
    for (int i = 1; i <= n; ++i) {
        Owner &owner = state.owner(i);
        if (millesimi == 0 || !takesPart(owner)) {
            setShare(owner, 0.0);
            continue;
        }
        setShare(owner, owner.takesPart
                            * (numberOf(owner.ownerMillesimi) * (remainder / millesimi)
                               + amount * numberOf(owner.fixedPercent) / 100));
    }
}

// Criteria 3 and 4: by heated volume or radiant surface of the participants.
void allocateByHeating(SharedState &state, double amount)
{
    const int n = ownerLimit(state);
    double heating = 0;
    for (int i = 1; i <= n; ++i) {
        Owner &owner = state.owner(i);
        if (owner.heatingQuantity.isEmpty())
            owner.heatingQuantity = Cell::fromNumber(0);
        if (takesPart(owner))
            heating += numberOf(owner.heatingQuantity);
    }
    for (int i = 1; i <= n; ++i) {
        Owner &owner = state.owner(i);
        const double quantity = numberOf(owner.heatingQuantity);
        const bool shared = takesPart(owner) && quantity != 0 && heating != 0;
        setShare(owner, shared ? quantity * (amount / heating) : 0.0);
    }
}

// One half of the amount shared by weight among the participants whose weights add up
// to total; a half with nothing to weigh it charges nobody.
double byWeight(double half, double weight, double total)
{
    return total == 0 ? 0.0 : half * weight / total;
}

// Criterion 5, art. 1124: half by value (property millesimi), half by floor height, each
// half among the owners the stairs serve, so that each weighs exactly half whoever is left
// out. When the participants' floor millesimi are all zero (all on the ground floor) the
// whole amount goes by value, and the other way round.
void allocateByStairsRule(SharedState &state, double amount)
{
    const StairsTotals totals = stairsTotals(state);
    const double valueHalf = totals.floorMillesimi == 0 ? amount : amount / 2;
    const double heightHalf = totals.ownerMillesimi == 0 ? amount : amount / 2;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        Owner &owner = state.owner(i);
        if (!takesPart(owner)) {
            setShare(owner, 0.0);
            continue;
        }
        setShare(owner,
                 byWeight(valueHalf, numberOf(owner.ownerMillesimi), totals.ownerMillesimi)
                     + byWeight(heightHalf, numberOf(owner.floorMillesimi),
                                totals.floorMillesimi));
    }
}

// Criterion 6, art. 1126: one third paid by the owners with exclusive use of the terrace,
// two thirds by the owners whose units lie under it, each by millesimi. A third whose
// total is zero has nobody to charge and adds nothing.
void allocateByRoofTerraceRule(SharedState &state, double amount)
{
    const int n = ownerLimit(state);
    double oneThirdTotal = 0;
    double twoThirdsTotal = 0;
    for (int i = 1; i <= n; ++i) {
        const Owner &owner = state.owner(i);
        const double millesimi = numberOf(owner.ownerMillesimi);
        if (owner.oneThirdFlag == 1)
            oneThirdTotal += millesimi;
        if (!owner.twoThirdsPercent.isEmpty())
            twoThirdsTotal += millesimi * numberOf(owner.twoThirdsPercent) / 100;
    }
    const double oneThird = amount / 3;
    const double twoThirds = amount * 2 / 3;
    for (int i = 1; i <= n; ++i) {
        Owner &owner = state.owner(i);
        const double millesimi = numberOf(owner.ownerMillesimi);
        const double covered = numberOf(owner.twoThirdsPercent);
        const double twoThirdsShare = twoThirdsTotal == 0
            ? 0.0
            : payable((twoThirds / twoThirdsTotal) * millesimi * covered / 100);
        if (oneThirdTotal == 0) {
            setShare(owner, covered == 0 ? 0.0 : twoThirdsShare);
            continue;
        }
        const double oneThirdShare = (oneThird / oneThirdTotal) * millesimi * owner.oneThirdFlag;
        setShare(owner, owner.twoThirdsPercent.isEmpty() ? oneThirdShare
                                                         : oneThirdShare + twoThirdsShare);
    }
}

// Criterion 7: the consumption part by the readings, the fixed part by the item's basis,
// both among the participants and to the cent.
void allocateByMeters(SharedState &state, int k)
{
    const MeterSplit split = splitByMeters(state, k);
    for (int i = 1, n = ownerLimit(state); i <= n; ++i)
        state.owner(i).shareAmount = split.shareOf(i).format();
}

} // namespace

StairsTotals stairsTotals(const SharedState &state)
{
    StairsTotals totals;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        if (!takesPart(owner))
            continue;
        totals.ownerMillesimi += numberOf(owner.ownerMillesimi);
        totals.floorMillesimi += numberOf(owner.floorMillesimi);
    }
    return totals;
}

bool ColumnAccess::isEditable(ExpenseColumn column) const
{
    switch (column) {
    case ExpenseColumn::TakesPart:
        return takesPart;
    case ExpenseColumn::FixedPercent:
        return fixedPercent;
    case ExpenseColumn::OwnerMillesimi:
        return ownerMillesimi;
    case ExpenseColumn::FloorMillesimi:
        return floorMillesimi;
    case ExpenseColumn::HeatingQuantity:
        return heatingQuantity;
    case ExpenseColumn::OneThird:
        return oneThird;
    case ExpenseColumn::TwoThirds:
        return twoThirds;
    case ExpenseColumn::MeterReading:
        return meterReading;
    case ExpenseColumn::ReadingEstimated:
        return readingEstimated;
    case ExpenseColumn::DemandMillesimi:
        return demandMillesimi;
    }
    return false;
}

bool ColumnAccess::operator==(const ColumnAccess &other) const
{
    return takesPart == other.takesPart && fixedPercent == other.fixedPercent
        && ownerMillesimi == other.ownerMillesimi && floorMillesimi == other.floorMillesimi
        && heatingQuantity == other.heatingQuantity && oneThird == other.oneThird
        && twoThirds == other.twoThirds && meterReading == other.meterReading
        && readingEstimated == other.readingEstimated && demandMillesimi == other.demandMillesimi
        && tuttiEnabled == other.tuttiEnabled;
}

QList<ExpenseColumn> criterionInputs(int calcType)
{
    using C = ExpenseColumn;
    switch (calcType) {
    case PerConvenzione:
        return {C::TakesPart, C::FixedPercent, C::OwnerMillesimi};
    case HeatingByVolume:
    case HeatingByRadiantSurface:
        return {C::TakesPart, C::HeatingQuantity};
    case StairsArt1124:
        return {C::TakesPart, C::OwnerMillesimi, C::FloorMillesimi};
    case RoofTerraceArt1126:
        return {C::OwnerMillesimi, C::OneThird, C::TwoThirds};
    case MeteredHeating:
        // Every basis the item may name stays editable: the basis is a parameter of the item.
        return {C::TakesPart, C::OwnerMillesimi, C::HeatingQuantity, C::MeterReading,
                C::ReadingEstimated, C::DemandMillesimi};
    default:
        return {C::TakesPart, C::OwnerMillesimi};
    }
}

ColumnAccess columnAccess(int calcType, bool amountEmpty)
{
    ColumnAccess access;
    if (amountEmpty)
        return access;
    const QList<ExpenseColumn> used = criterionInputs(calcType);
    access.takesPart = used.contains(ExpenseColumn::TakesPart);
    access.fixedPercent = used.contains(ExpenseColumn::FixedPercent);
    access.ownerMillesimi = used.contains(ExpenseColumn::OwnerMillesimi);
    access.floorMillesimi = used.contains(ExpenseColumn::FloorMillesimi);
    access.heatingQuantity = used.contains(ExpenseColumn::HeatingQuantity);
    access.oneThird = used.contains(ExpenseColumn::OneThird);
    access.twoThirds = used.contains(ExpenseColumn::TwoThirds);
    access.meterReading = used.contains(ExpenseColumn::MeterReading);
    access.readingEstimated = used.contains(ExpenseColumn::ReadingEstimated);
    access.demandMillesimi = used.contains(ExpenseColumn::DemandMillesimi);
    // Participation plays no part in the terrace rule, so neither does "tutti".
    access.tuttiEnabled = access.takesPart;
    return access;
}

AllocationResult allocateExpense(SharedState &state, int k)
{
    AllocationResult result;
    const QString &amountText = state.item(std::clamp(k, 0, MaxItems)).expenseAmount;
    result.columns = columnAccess(state.calcType, amountText.isEmpty());
    if (amountText.isEmpty())
        return result;
    result.computed = true;
    const double amount = numberOf(amountText);
    switch (state.calcType) {
    case PerConvenzione:
        allocateByAgreement(state, amount, result.clearedPercentOwners);
        break;
    case HeatingByVolume:
    case HeatingByRadiantSurface:
        allocateByHeating(state, amount);
        break;
    case StairsArt1124:
        allocateByStairsRule(state, amount);
        break;
    case RoofTerraceArt1126:
        allocateByRoofTerraceRule(state, amount);
        break;
    case MeteredHeating:
        allocateByMeters(state, k);
        break;
    default:
        allocateByMillesimi(state, amount);
        break;
    }
    return result;
}

int criterionForHeatingBasis(int heatingBasis)
{
    switch (heatingBasis) {
    case 1:
        return HeatingByVolume;
    case 2:
        return HeatingByRadiantSurface;
    default:
        return NoCriterion;
    }
}

void initExpenseInputs(SharedState &state)
{
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        Owner &owner = state.owner(i);
        owner.floorMillesimi = registryFloorMillesimi(owner);
        owner.heatingQuantity = Cell::fromNumber(registryHeatingQuantity(owner));
    }
}

QString registryFloorMillesimi(const Owner &owner)
{
    return formatNumber(owner.useMillesimi, NumberFormat::MillesimiPattern);
}

// Cut to one decimal after every unit, so that no owner pays for a tenth of a cubic metre
// he does not heat. The cut is taken on the decimal figure: in binary 141,8 is 141,79999…,
// which a plain cut would make 141,7.
double registryHeatingQuantity(const Owner &owner)
{
    double heating = 0;
    for (int j = 1, units = std::clamp(owner.unitCount, 0, MaxUnits); j <= units; ++j)
        heating = DecimalCut::cut(heating + numberOf(owner.units[j].heatingValue), 1);
    return heating;
}

void toggleTakesPartForAll(SharedState &state)
{
    const int value = state.owner(1).takesPart == 1 ? 0 : 1;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i)
        state.owner(i).takesPart = value;
}

QString formatShare(double euro)
{
    const QString text = formatNumber(euro, NumberFormat::EuroPattern);
    // A rounding crumb of a negative computation is no debt.
    return text == QLatin1String("-0,00") ? QStringLiteral("0,00") : text;
}

QString reformatShare(const QString &share)
{
    const std::optional<double> euro = NumberScan::readComma(share);
    return euro ? formatShare(*euro) : share;
}

QString percentOverLimitMessage()
{
    return QString::fromUtf8("La percentuale totale non può superare il 100% della spesa");
}

} // namespace veltra
