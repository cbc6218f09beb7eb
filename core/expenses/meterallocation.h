#pragma once

#include "core/numbers/money.h"

#include <QVector>

namespace veltra {

class SharedState;
struct Owner;

// Heating by heat meters or heat-cost allocators (criterion 7): the consumption part, p %
// of the amount S, goes among the owners who take part by their readings; the fixed part,
// the rest, by the basis the item names (property millesimi, heated volume or radiant
// surface, or the millesimi of the heating technician's table). Each part is split to the
// cent and its leftover cents go to the largest remainders, so the shares add up to S.
struct MeterSplit
{
    bool computed = false;       // false when the amount is empty or no number
    double percent = 0;          // p as counted: the typed percentage held within 0..100
    Money amount;                // S
    Money consumptionPart;       // S × p / 100, to the cent
    Money fixedPart;             // S minus the consumption part
    double readingTotal = 0;     // the participants' readings, consumption units
    double basisTotal = 0;       // the participants' basis, thousandths, m³ or m²
    QVector<Money> consumption;  // owner i's consumption part at i (0 stays empty)
    QVector<Money> fixed;        // owner i's fixed part at i

    Money shareOf(int i) const { return consumption.value(i) + fixed.value(i); }
};

MeterSplit splitByMeters(const SharedState &state, int k);

// The owner's reading in consumption units; 0 when empty, no number or negative.
double meterReadingOf(const Owner &owner);
// The owner's basis under the item's parameters (thousandths, m³ or m²); 0 as above.
double meterBasisOf(const SharedState &state, const Owner &owner);
// The typed percentage of the consumption part; nothing when it is no number.
std::optional<double> consumptionPercentOf(const SharedState &state);

// total split by the weights (index 0 unused), each share rounded down to the cent and the
// cents left over given one each to the largest remainders (the lower owner on a tie).
QVector<Money> splitByWeights(Money total, const QVector<double> &weights);

} // namespace veltra
