#pragma once

namespace veltra {

// What the millesimal computation works out for one unit. Kept apart from the unit's typed
// cells, in one small array per owner, so that the pass after a keystroke, which writes
// every unit's millesimi, runs through a few hundred kilobytes rather than the whole
// registry.
struct UnitFigures
{
    double virtualSurface = 0; // square metres, cut to two decimals
    double unitMillesimi = 0;  // thousandths of the condominium
};

} // namespace veltra
