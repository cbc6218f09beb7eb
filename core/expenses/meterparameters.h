#pragma once

#include <QString>

namespace veltra {

// What the part of a metered heating item that is not charged by consumption goes by.
enum class MeterBasis {
    Property = 1, // the owners' property millesimi
    Heating = 2,  // the heated volume or radiant surface of the registry (heatingQuantity)
    Demand = 3    // the "millesimi di fabbisogno" of the heating technician's table
};

// The parameters of a heating item allocated by heat meters or heat-cost allocators.
struct MeterParameters
{
    // The percentage of the amount charged by the readings, as typed; the law asks at least 50.
    QString consumptionPercent = QStringLiteral("70");
    int basis = int(MeterBasis::Property); // a MeterBasis

    bool operator==(const MeterParameters &other) const
    {
        return consumptionPercent == other.consumptionPercent && basis == other.basis;
    }
};

} // namespace veltra
