#include "core/registry/millesimalcomputation.h"

#include "core/numbers/decimalcut.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace veltra {

namespace {

template<typename T>
using PerOwner = std::array<T, MaxOwners + 1>;

int ownerLimit(const SharedState &state)
{
    return std::clamp(state.ownerCount, 0, MaxOwners);
}

int unitLimit(const Owner &owner)
{
    return std::clamp(owner.unitCount, 0, MaxUnits);
}

// Net surface times the seven coefficients, multiplied in this order; nothing when one
// of them is empty or no number, or when the product is too large for any number.
std::optional<double> surfaceProduct(const Unit &unit)
{
    const QString *factors[] = {&unit.netSurface,     &unit.coeffDestination,
                                &unit.coeffFloor,     &unit.coeffOrientation,
                                &unit.coeffProspect,  &unit.coeffLight,
                                &unit.coeffFunction,  &unit.coeffVolume};
    double product = 1;
    bool first = true;
    for (std::size_t f = 0; f < std::size(factors); ++f) {
        const std::optional<double> value = unit.factorNumbers[f].read(*factors[f]);
        if (!value)
            return std::nullopt;
        product = first ? *value : product * *value;
        first = false;
    }
    if (!std::isfinite(product))
        return std::nullopt;
    return product;
}

// Whether thousandths of a surface can still be computed: a million times it is a number.
bool isCountable(double surface)
{
    return std::isfinite(1000000 * surface);
}

// The virtual surface is cut, not rounded, so that no owner is charged for a fraction of a
// square metre he does not have; the cut is taken on the decimal figure, so that 1,15 stays
// 1,15. Nothing when a factor is missing or the surface is beyond any number.
std::optional<double> virtualSurfaceOf(const Unit &unit)
{
    const std::optional<double> product = surfaceProduct(unit);
    if (!product)
        return std::nullopt;
    const double cut = DecimalCut::cut(*product, 2);
    if (!isCountable(cut))
        return std::nullopt;
    return cut;
}

// Phase 1. Returns the condominium's total.
std::optional<double> computeVirtualSurfaces(SharedState &state)
{
    double total = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerVirtualSurface = 0;
        for (int j = 1, units = unitLimit(owner); j <= units; ++j) {
            const std::optional<double> cut = virtualSurfaceOf(owner.units[j]);
            // Surfaces beyond any number would give every owner undefined millesimi.
            if (!cut || !isCountable(owner.ownerVirtualSurface + *cut)
                || !isCountable(total + owner.ownerVirtualSurface + *cut))
                return std::nullopt;
            owner.unitFigures[j].virtualSurface = *cut;
            owner.ownerVirtualSurface += *cut;
        }
        total += owner.ownerVirtualSurface;
    }
    return total;
}

// The sum of the magnitudes of the counted units' virtual surfaces: no sum that phase 1
// takes is larger.
double surfaceMagnitudes(const SharedState &state)
{
    double magnitudes = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        for (int j = 1, units = unitLimit(owner); j <= units; ++j)
            magnitudes += std::fabs(owner.unitFigures[j].virtualSurface);
    }
    return magnitudes;
}

// Whether surfaces of these magnitudes pass every countability check of phase 1, with room
// to spare for the rounding of the sums.
bool passesPhaseOne(double magnitudes)
{
    return std::isfinite(magnitudes) && magnitudes < 1e300;
}

// Phase 1's total of one owner, from his units' virtual surfaces as they stand.
double ownerSurface(const Owner &owner)
{
    double surface = 0;
    for (int j = 1, units = unitLimit(owner); j <= units; ++j)
        surface += owner.unitFigures[j].virtualSurface;
    return surface;
}

// Phase 1's total of the condominium, summed owner by owner in the same order.
double grandTotal(const SharedState &state)
{
    double total = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i)
        total += state.owner(i).ownerVirtualSurface;
    return total;
}

// Thousandths of the total, rounded half up to three decimals.
double thousandths(double surface, double total)
{
    return std::floor(1000000 * surface / total + 0.5) / 1000;
}

// Phase 2. An owner without virtual surface keeps the millesimi he had: they may come
// from an archive and be all the administrator knows of him. A total of 0 (only possible
// with negative surfaces) leaves every millesimo as it was instead of dividing by zero.
// Returns surfaceMagnitudes, taken on the way through the units.
double computeMillesimi(SharedState &state, double total)
{
    double magnitudes = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        Owner &owner = state.owner(i);
        const int units = unitLimit(owner);
        const bool computed = total != 0 && owner.ownerVirtualSurface != 0 && units != 0;
        if (computed)
            owner.ownerMillesimi = Cell::fromNumber(thousandths(owner.ownerVirtualSurface, total));
        for (int j = 1; j <= units; ++j) {
            UnitFigures &figures = owner.unitFigures[j];
            magnitudes += std::fabs(figures.virtualSurface);
            if (computed)
                figures.unitMillesimi = thousandths(figures.virtualSurface, total);
        }
    }
    return magnitudes;
}

// A floor that is empty or no number weighs nothing, like the ground floor.
double floorNumber(const QString &floor)
{
    return NumberScan::readComma(floor).value_or(0.0);
}

bool isGroundFloorText(const QString &floor)
{
    return floor.size() == 1 && floor.front() == QLatin1Char('0');
}

// Phase 4, step 1: every owner not on floor "0" gets the sum of the property millesimi of
// all owners whose floor text is the same, summed from the first of them onwards.
void computeFloorTotals(SharedState &state, const PerOwner<double> &millesimi)
{
    const int n = ownerLimit(state);
    PerOwner<int> groupOf;
    PerOwner<int> groupFirst;
    PerOwner<double> groupSum;
    int groups = 0;
    for (int i = 1; i <= n; ++i) {
        const QString &floor = state.owner(i).ownerFloor;
        if (isGroundFloorText(floor))
            continue;
        // Owners come floor by floor, so the group sought is nearly always the last one.
        int g = groups - 1;
        while (g >= 0 && state.owner(groupFirst[g]).ownerFloor != floor)
            --g;
        if (g < 0) {
            g = groups++;
            groupFirst[g] = i;
            groupSum[g] = millesimi[i];
        } else {
            groupSum[g] += millesimi[i];
        }
        groupOf[i] = g;
    }
    for (int i = 1; i <= n; ++i) {
        if (!isGroundFloorText(state.owner(i).ownerFloor))
            state.owner(i).floorTotal = groupSum[groupOf[i]];
    }
}

// Phase 4, step 2: the sum of the absolute floor numbers, each run of consecutive owners on
// one floor counted once. Owner 0 is always empty, so the first owner's floor counts.
double floorSum(const SharedState &state, const PerOwner<double> &floors)
{
    const int n = ownerLimit(state);
    double sum = 0;
    for (int k = 1; k <= n; ++k) {
        const QString &floor = state.owner(k).ownerFloor;
        if (k == n && floor.isEmpty())
            continue;
        if (state.owner(k - 1).ownerFloor != floor)
            sum += std::fabs(floors[k]);
    }
    return sum;
}

// Phase 4, step 3: each floor receives the share |f| / S of 1000 and divides it among its
// owners in proportion to their property millesimi; stairs and lifts take the mean.
void computeFloorTables(SharedState &state)
{
    const int n = ownerLimit(state);
    PerOwner<double> millesimi;
    PerOwner<double> floors;
    for (int k = 1; k <= n; ++k) {
        millesimi[k] = state.owner(k).ownerMillesimi.toNumber();
        floors[k] = floorNumber(state.owner(k).ownerFloor);
    }
    computeFloorTotals(state, millesimi);
    const double sum = floorSum(state, floors);
    for (int k = 1; k <= n; ++k) {
        Owner &owner = state.owner(k);
        if (sum == 0 || floors[k] == 0)
            owner.useMillesimi = 0;
        else if (owner.floorTotal != 0)
            owner.useMillesimi = ((std::fabs(floors[k]) / sum) * 1000) / owner.floorTotal
                * millesimi[k];
        owner.stairsMillesimi = (millesimi[k] + owner.useMillesimi) / 2;
    }
}

} // namespace

bool recomputeTables(SharedState &state)
{
    const std::optional<double> total = computeVirtualSurfaces(state);
    if (!total)
        return false;
    computeMillesimi(state, *total);
    computeFloorTables(state);
    return true;
}

bool recomputeAfterUnitChange(SharedState &state, int i, int j)
{
    // A unit beyond the owner's count, or an owner beyond the owner count, is not part of
    // the computation: its surface changes no total.
    if (i < 1 || i > ownerLimit(state) || j < 1 || j > unitLimit(state.owner(i))) {
        computeMillesimi(state, grandTotal(state));
        computeFloorTables(state);
        return true;
    }
    Owner &owner = state.owner(i);
    UnitFigures &figures = owner.unitFigures[j];
    const std::optional<double> cut = virtualSurfaceOf(owner.units[j]);
    if (!cut)
        return recomputeTables(state); // which stops at this unit, as it must
    const double lastTotal = grandTotal(state);
    // With a total of 0 the last phase 2 left the millesimi alone, and they could not be
    // written back below: the surfaces are weighed before instead.
    if (lastTotal == 0
        && !passesPhaseOne(surfaceMagnitudes(state) - std::fabs(figures.virtualSurface) + std::fabs(*cut)))
        return recomputeTables(state);
    const double lastCut = figures.virtualSurface;
    const double lastOwnerSurface = owner.ownerVirtualSurface;
    figures.virtualSurface = *cut;
    owner.ownerVirtualSurface = ownerSurface(owner);
    if (!passesPhaseOne(computeMillesimi(state, grandTotal(state)))) {
        // Surfaces near the largest number may stop phase 1: the millesimi of the last
        // complete tables are written back, and the whole computation decides.
        figures.virtualSurface = lastCut;
        owner.ownerVirtualSurface = lastOwnerSurface;
        computeMillesimi(state, lastTotal);
        return recomputeTables(state);
    }
    computeFloorTables(state);
    return true;
}

QString ownerCaption(const SharedState &state, int ownerTop)
{
    const Owner &owner = state.owner(std::clamp(ownerTop, 0, MaxOwners));
    return QStringLiteral("Condomino n.") + NumberText::str(ownerTop) + QStringLiteral(": ")
        + owner.ownerName + QStringLiteral(" - ") + QStringLiteral("numero locali: ")
        + NumberText::str(owner.unitCount) + QStringLiteral(" - millesimi totali: ")
        + formatNumber(owner.ownerMillesimi.toNumber(), NumberFormat::MillesimiPattern);
}

} // namespace veltra
