#pragma once

#include "core/numbers/cachednumber.h"

#include <QString>

#include <array>

namespace veltra {

// One unit (room, balcony, cellar…) of an owner: the ten cells the user types. What the
// millesimal computation makes of them is in the owner's unitFigures.
struct Unit
{
    QString unitName;
    QString netSurface;       // square metres, decimal comma
    QString coeffDestination;
    QString coeffFloor;
    QString coeffOrientation;
    QString coeffProspect;
    QString coeffLight;
    QString coeffFunction;
    QString coeffVolume;
    QString heatingValue;     // cubic metres or square metres of radiant surface
    // The net surface and the seven coefficients as last read by the computation.
    std::array<CachedNumber, 8> factorNumbers;

    // The ten typed cells emptied.
    void clear() { *this = Unit(); }
};

} // namespace veltra
