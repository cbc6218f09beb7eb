#pragma once

#include <QString>

namespace veltra {

class SharedState;

// The millesimal tables of the condominium, rebuilt from the units' net surfaces and
// coefficients: virtual surfaces (square metres, cut to two decimals), unit and owner
// property millesimi (thousandths rounded half up to three decimals), floor totals, use
// millesimi by floor height and stairs-and-lifts millesimi (thousandths, unrounded).
// Stops at the first unit whose net surface or coefficient is empty or no number, leaving
// the cells not yet reached as they were; true when the computation ran to the end.
bool recomputeTables(SharedState &state);

// The same tables after the net surface or a coefficient of unit j of owner i was typed,
// when the last computation ran to the end and no other input changed since: only that
// unit's virtual surface and its owner's total are computed again, then every millesimo
// from the new grand total, each cell ending exactly as recomputeTables would leave it.
// A unit that gives no surface runs the whole computation, which stops there; true when
// the tables are complete.
bool recomputeAfterUnitChange(SharedState &state, int i, int j);

// The caption of the unit frame for the owner shown in the first owner row: number, name,
// number of units and property millesimi (thousandths).
QString ownerCaption(const SharedState &state, int ownerTop);

} // namespace veltra
