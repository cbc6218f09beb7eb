#pragma once

#include "core/state/cell.h"
#include "core/state/unit.h"
#include "core/state/unitfigures.h"

#include <QString>

#include <array>

namespace veltra {

constexpr int MaxUnits = 50;

// One owner of the condominium with the units he holds (1 to 50; unit 0 stays empty) and
// the per-owner cells of the current expense item and payment.
struct Owner
{
    QString ownerName;
    QString ownerAddress;
    QString ownerFloor;          // the floor as typed, -10 to 40 from the spin control
    int unitCount = 0;           // non-empty unit names among units 1 to 50
    double ownerVirtualSurface = 0;
    Cell ownerMillesimi;         // computed thousandths, or what the user typed over them
    double floorTotal = 0;
    double useMillesimi = 0;     // thousandths by floor height
    double stairsMillesimi = 0;  // thousandths for stairs and lifts

    // Cells of the current expense item and its payment.
    QString shareAmount;         // euro, formatted "##,##0.00"
    int takesPart = 0;           // 1 when the owner takes part in the item
    QString fixedPercent;        // percent of the item under an agreement, as typed
    QString floorMillesimi;      // thousandths by floor height, as typed or "##0.000"
    Cell heatingQuantity;        // cubic metres or square metres: summed from the units, or typed
    int oneThirdFlag = 0;        // 1 when the owner pays in the one third of a roof terrace
    QString twoThirdsPercent;    // percent of the millesimi under the roof terrace, as typed
    QString meterReading;        // the period's heat-meter reading in consumption units, as typed
    int readingEstimated = 0;    // 1 when the reading is an estimate for a meter not read
    QString demandMillesimi;     // "millesimi di fabbisogno" of the heating table, as typed
    QString paymentDate;
    QString reminderDate;
    double ownerRunningTotal = 0; // euro
    bool cardPrinted = false;

    std::array<Unit, MaxUnits + 1> units;
    std::array<UnitFigures, MaxUnits + 1> unitFigures; // of the unit with the same number

    // Unit j emptied, its computed figures set back to 0.
    void clearUnit(int j)
    {
        units[j].clear();
        unitFigures[j] = UnitFigures();
    }
    // Unit j becomes unit k of from, with its computed figures.
    void takeUnit(int j, const Owner &from, int k)
    {
        units[j] = from.units[k];
        unitFigures[j] = from.unitFigures[k];
    }
};

} // namespace veltra
