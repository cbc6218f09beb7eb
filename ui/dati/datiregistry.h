#pragma once

#include <QString>

namespace veltra {

class SharedState;
struct Owner;
struct Unit;

// The registry edits of the condominium window, on the shared state alone: the row fields
// and the cells they store into, copying the previous row, deleting an owner or a unit,
// clearing everything, and the step hint that tells the user what to type next.
namespace DatiRegistry {

enum class OwnerField { Name, Address, Floor };
constexpr int OwnerFieldCount = 3;

// The ten input cells of a unit, in the order of the unit row's fields.
enum class UnitField {
    Name, Surface, Destination, Floor, Orientation, Prospect, Light, Function, Volume, Heating
};
constexpr int UnitFieldCount = 10;

QString &ownerCell(Owner &owner, OwnerField field);
const QString &ownerCell(const Owner &owner, OwnerField field);
QString &unitCell(Unit &unit, UnitField field);
const QString &unitCell(const Unit &unit, UnitField field);
// Every unit field but the name holds a number and passes the number filter.
bool isNumeric(UnitField field);
// The objectName stem of the owner and unit row fields: nomcond, indir, pian; nom, sup, …
QString fieldName(OwnerField field);
QString fieldName(UnitField field);

// Non-empty owner names among owners 1 to 500; non-empty unit names among units 1 to 50.
int countOwners(const SharedState &state);
int countUnits(const Owner &owner);

// Owner o takes the name, address and floor of owner o - 1 (owner 0 is empty), and in the
// owners' register the same persons.
void copyPreviousOwner(SharedState &state, int o);
// Unit u of owner i takes the ten input cells of unit u - 1 (unit 0 is empty).
void copyPreviousUnit(SharedState &state, int i, int u);

// The owners after o move one number down with all their units and their records in the
// owners' register; the last one is emptied.
// An owner beyond ownerCount is only emptied, so that no counted owner loses his units.
void removeOwner(SharedState &state, int o);
// The units after u move one place up and the owner counts one unit less. A row beyond
// the owner's last unit holds nothing to delete: false, nothing changes.
bool removeUnit(SharedState &state, int i, int u);

// Every owner's name, address, floor and units, the condominium's name, the number of
// owners and the owners' register emptied; the property millesimi and the heating basis are left to the next data.
void clearRegistry(SharedState &state);

// Whether owner o's floor is lower than the previous owner's, which the user is told,
// since the floor tables need the owners entered from the lowest floor up.
bool breaksFloorOrder(const SharedState &state, int o);

// Where the units' part of the step hint points: the first owner without units (unit 0)
// or the first unit lacking a datum, in the order owner by owner; owner 0 when none does.
struct UnitGap
{
    int owner = 0;
    int unit = 0;
};

// The first gap from unit `from` on (from the first owner when omitted).
UnitGap firstUnitGap(const SharedState &state, UnitGap from = {1, 0});
// The first gap once a cell of unit u of owner i was typed, gap being the first gap before
// and no count having changed: only that unit, or the units from the gap on when the typed
// unit was the gap, are looked at again.
UnitGap gapAfterUnitChange(const SharedState &state, UnitGap gap, int i, int u);

// The step hint: the first datum still to be typed. nomeEmpty tells whether the name
// field of the window is empty; heatingOption is the heating option marked (0 none); gap
// is firstUnitGap(state).
QString stepHint(const SharedState &state, bool nomeEmpty, int heatingOption, UnitGap gap);

} // namespace DatiRegistry

} // namespace veltra
