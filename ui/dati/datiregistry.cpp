#include "ui/dati/datiregistry.h"

#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <array>

namespace veltra {

namespace DatiRegistry {

namespace {

int ownerLimit(const SharedState &state)
{
    return std::clamp(state.ownerCount, 0, MaxOwners);
}

int unitLimit(const Owner &owner)
{
    return std::clamp(owner.unitCount, 0, MaxUnits);
}

void emptyOwner(Owner &owner)
{
    owner.ownerName.clear();
    owner.ownerAddress.clear();
    owner.ownerFloor.clear();
    owner.ownerMillesimi = Cell();
    for (int j = 1; j <= MaxUnits; ++j)
        owner.clearUnit(j);
    owner.unitCount = 0;
}

// Owner k takes owner `from`'s millesimi, unit count, name, address, floor and units.
void takeOwner(Owner &owner, const Owner &from)
{
    owner.ownerMillesimi = from.ownerMillesimi;
    owner.unitCount = from.unitCount;
    owner.ownerName = from.ownerName;
    owner.ownerAddress = from.ownerAddress;
    owner.ownerFloor = from.ownerFloor;
    const int units = unitLimit(owner);
    for (int j = 1; j <= units; ++j)
        owner.takeUnit(j, from, j);
    for (int j = units + 1; j <= MaxUnits; ++j)
        owner.clearUnit(j);
}

// The cells of a unit's step hint, in the order the user fills them, with what to type.
QString missingUnitDatum(const Unit &unit, int heatingOption)
{
    static const std::array<const char *, UnitFieldCount - 1> texts = {
        "digitare il nome",
        "digitare la superficie",
        "digitare il coefficiente di destinazione",
        "digitare il coefficiente di piano",
        "digitare il coefficiente di orientamento",
        "digitare il coefficiente di prospetto",
        "digitare il coefficiente di luminosità",
        "digitare il coefficiente di funzionalità globale",
        "digitare il coefficiente di volume",
    };
    for (int f = 0; f < UnitFieldCount - 1; ++f) {
        if (unitCell(unit, UnitField(f)).isEmpty())
            return QString::fromUtf8(texts[f]);
    }
    if (!unit.heatingValue.isEmpty())
        return QString();
    const QString what = heatingOption == 2 ? QStringLiteral("la superficie radiante")
                                            : QStringLiteral("la cubatura");
    return QStringLiteral("digitare ") + what
        + QStringLiteral(" (per la ripartizione delle spese di riscaldamento)");
}

bool lacksDatum(const Unit &unit)
{
    return !missingUnitDatum(unit, 0).isEmpty();
}

QString unitsHint(const SharedState &state, int heatingOption, UnitGap gap)
{
    if (gap.owner == 0)
        return QString();
    if (gap.unit == 0)
        return QStringLiteral("visualizzare (con la barra di scorrimento) alla prima riga il "
                              "condomino n.")
            + NumberText::str(gap.owner) + QStringLiteral(" e digitare i dati dei locali");
    return missingUnitDatum(state.unit(gap.owner, gap.unit), heatingOption)
        + QStringLiteral(" del locale n.") + NumberText::str(gap.unit)
        + QStringLiteral(" del condomino n.") + NumberText::str(gap.owner);
}

} // namespace

QString &ownerCell(Owner &owner, OwnerField field)
{
    return const_cast<QString &>(ownerCell(static_cast<const Owner &>(owner), field));
}

const QString &ownerCell(const Owner &owner, OwnerField field)
{
    switch (field) {
    case OwnerField::Name:
        return owner.ownerName;
    case OwnerField::Address:
        return owner.ownerAddress;
    case OwnerField::Floor:
        break;
    }
    return owner.ownerFloor;
}

QString &unitCell(Unit &unit, UnitField field)
{
    return const_cast<QString &>(unitCell(static_cast<const Unit &>(unit), field));
}

const QString &unitCell(const Unit &unit, UnitField field)
{
    switch (field) {
    case UnitField::Name:
        return unit.unitName;
    case UnitField::Surface:
        return unit.netSurface;
    case UnitField::Destination:
        return unit.coeffDestination;
    case UnitField::Floor:
        return unit.coeffFloor;
    case UnitField::Orientation:
        return unit.coeffOrientation;
    case UnitField::Prospect:
        return unit.coeffProspect;
    case UnitField::Light:
        return unit.coeffLight;
    case UnitField::Function:
        return unit.coeffFunction;
    case UnitField::Volume:
        return unit.coeffVolume;
    case UnitField::Heating:
        break;
    }
    return unit.heatingValue;
}

bool isNumeric(UnitField field)
{
    return field != UnitField::Name;
}

QString fieldName(OwnerField field)
{
    static const std::array<const char *, OwnerFieldCount> names = {"nomcond", "indir", "pian"};
    return QString::fromLatin1(names[int(field)]);
}

QString fieldName(UnitField field)
{
    static const std::array<const char *, UnitFieldCount> names = {
        "nom", "sup", "dest", "pia", "ori", "pros", "lum", "funz", "vol", "rad"};
    return QString::fromLatin1(names[int(field)]);
}

int countOwners(const SharedState &state)
{
    int count = 0;
    for (int i = 1; i <= MaxOwners; ++i)
        count += state.owner(i).ownerName.isEmpty() ? 0 : 1;
    return count;
}

int countUnits(const Owner &owner)
{
    int count = 0;
    for (int j = 1; j <= MaxUnits; ++j)
        count += owner.units[j].unitName.isEmpty() ? 0 : 1;
    return count;
}

void copyPreviousOwner(SharedState &state, int o)
{
    Owner &owner = state.owner(o);
    const Owner &previous = state.owner(o - 1);
    owner.ownerName = previous.ownerName;
    owner.ownerAddress = previous.ownerAddress;
    owner.ownerFloor = previous.ownerFloor;
    state.anagrafe.copyPreviousOwner(o);
}

void copyPreviousUnit(SharedState &state, int i, int u)
{
    Unit &unit = state.unit(i, u);
    const Unit &previous = state.unit(i, u - 1);
    for (int f = 0; f < UnitFieldCount; ++f)
        unitCell(unit, UnitField(f)) = unitCell(previous, UnitField(f));
}

void removeOwner(SharedState &state, int o)
{
    const int n = ownerLimit(state);
    if (o > n) {
        emptyOwner(state.owner(o));
        state.anagrafe.setRecord(o, OwnerRecord());
        state.ownerCount = countOwners(state);
        return;
    }
    const int lastUnits = unitLimit(state.owner(n));
    static const Owner nobody;
    for (int k = o; k <= n; ++k)
        takeOwner(state.owner(k), k < MaxOwners ? state.owner(k + 1) : nobody);
    for (int j = 1; j <= lastUnits; ++j)
        state.owner(n).clearUnit(j);
    state.anagrafe.removeOwner(o, n);
    state.ownerCount = countOwners(state);
}

bool removeUnit(SharedState &state, int i, int u)
{
    Owner &owner = state.owner(i);
    if (u > owner.unitCount)
        return false;
    owner.unitCount = std::max(0, owner.unitCount - 1);
    state.anagrafe.removeUnit(i, u);
    const int last = owner.unitCount + 1;
    for (int j = u; j <= last; ++j) {
        if (j < MaxUnits)
            owner.takeUnit(j, owner, j + 1);
        else
            owner.clearUnit(j);
    }
    return true;
}

void clearRegistry(SharedState &state)
{
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName.clear();
        owner.ownerAddress.clear();
        owner.ownerFloor.clear();
        // Every unit, not only the counted ones: a unit beyond a gap in the names would
        // otherwise reappear under the next condominium's owner.
        for (int j = 1; j <= MaxUnits; ++j)
            owner.clearUnit(j);
        owner.unitCount = 0;
    }
    state.condoName.clear();
    state.ownerCount = 0;
    state.anagrafe.clear();
}

bool breaksFloorOrder(const SharedState &state, int o)
{
    if (o > state.ownerCount || o < 2)
        return false;
    const std::optional<double> previous = NumberText::read(state.owner(o - 1).ownerFloor);
    const std::optional<double> floor = NumberText::read(state.owner(o).ownerFloor);
    // A floor being typed ("-" on the way to "-1") or erased is not yet out of order.
    return previous && floor && *floor < *previous;
}

UnitGap firstUnitGap(const SharedState &state, UnitGap from)
{
    for (int i = std::max(from.owner, 1), n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        const int first = i == from.owner ? std::max(from.unit, 0) : 0;
        if (first == 0 && owner.unitCount == 0)
            return {i, 0};
        for (int j = std::max(first, 1), units = unitLimit(owner); j <= units; ++j) {
            if (lacksDatum(owner.units[j]))
                return {i, j};
        }
    }
    return {};
}

UnitGap gapAfterUnitChange(const SharedState &state, UnitGap gap, int i, int u)
{
    if (i < 1 || i > ownerLimit(state) || u < 1 || u > unitLimit(state.owner(i)))
        return gap;
    const bool beforeGap = gap.owner == 0 || i < gap.owner || (i == gap.owner && u < gap.unit);
    if (beforeGap)
        return lacksDatum(state.unit(i, u)) ? UnitGap{i, u} : gap;
    if (i == gap.owner && u == gap.unit)
        return firstUnitGap(state, gap);
    return gap;
}

QString stepHint(const SharedState &state, bool nomeEmpty, int heatingOption, UnitGap gap)
{
    const Owner &first = state.owner(1);
    if (nomeEmpty && state.ownerCount == 0)
        return QStringLiteral("aprire un file con i dati archiviati o iniziare l'immissione "
                              "digitando il nome del condominio");
    if (first.ownerName.isEmpty())
        return QStringLiteral("digitare il nome del primo condomino");
    if (first.ownerAddress.isEmpty())
        return QStringLiteral("digitare l'indirizzo del primo condomino");
    if (first.ownerFloor.isEmpty())
        return QStringLiteral("digitare il numero del piano del primo condomino");
    if (heatingOption == 0)
        return QStringLiteral("scegliere il tipo di ripartizione delle spese di riscaldamento");
    const QString units = unitsHint(state, heatingOption, gap);
    if (!units.isEmpty())
        return units;
    if (state.ownerCount == 1)
        return QStringLiteral("digitare i dati di almeno un altro condomino");
    return QStringLiteral("correggere, archiviare quanto immesso, digitare ulteriori dati, "
                          "andare oltre (stampa, ripartizione spese)");
}

} // namespace DatiRegistry

} // namespace veltra
