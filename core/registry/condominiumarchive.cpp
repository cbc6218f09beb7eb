#include "core/registry/condominiumarchive.h"

#include "core/archive/archivereader.h"
#include "core/archive/fieldreading.h"
#include "core/archive/archivewriter.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <array>

namespace veltra {

namespace {

constexpr int UnitFieldCount = 10;

// The ten typed cells of a unit, in the order of its line.
std::array<QString *, UnitFieldCount> unitFields(Unit &unit)
{
    return {&unit.unitName,      &unit.netSurface,    &unit.coeffDestination,
            &unit.coeffFloor,    &unit.coeffOrientation, &unit.coeffProspect,
            &unit.coeffLight,    &unit.coeffFunction, &unit.coeffVolume,
            &unit.heatingValue};
}

std::array<const QString *, UnitFieldCount> unitFields(const Unit &unit)
{
    return {&unit.unitName,      &unit.netSurface,    &unit.coeffDestination,
            &unit.coeffFloor,    &unit.coeffOrientation, &unit.coeffProspect,
            &unit.coeffLight,    &unit.coeffFunction, &unit.coeffVolume,
            &unit.heatingValue};
}

// How the user knows each unit cell, in the order of unitFields().
const std::array<QString, UnitFieldCount> &unitFieldNames()
{
    static const std::array<QString, UnitFieldCount> names = {
        QStringLiteral("il nome"),
        QStringLiteral("la superficie"),
        QStringLiteral("il coefficiente di destinazione"),
        QStringLiteral("il coefficiente di piano"),
        QStringLiteral("il coefficiente di orientamento"),
        QStringLiteral("il coefficiente di prospetto"),
        QStringLiteral("il coefficiente di luminosità"),
        QStringLiteral("il coefficiente di funzionalità"),
        QStringLiteral("il coefficiente di volume"),
        QStringLiteral("la cubatura o superficie radiante")};
    return names;
}

void readHeader(FieldReading &reading, CondominiumArchive::LoadResult &result, int &ownerCount)
{
    result.condoName = reading.text(QStringLiteral("il nome del condominio"));
    ownerCount = reading.ranged(QStringLiteral("il numero dei condomini"), 0, MaxOwners);
    const QString basisField = QStringLiteral("il criterio del riscaldamento");
    const int basis = reading.ranged(basisField, 0, 2);
    if (reading.ok())
        result.heatingBasis = basis;
    reading.endRecord(basisField);
}

// Reads unit j's line; a line whose first field could not be read was never begun.
void readUnit(FieldReading &reading, CondominiumArchive::OwnerRecord &owner, int j)
{
    reading.setUnit(j);
    Unit unit;
    const auto fields = unitFields(unit);
    *fields[0] = reading.text(unitFieldNames()[0]);
    if (!reading.ok())
        return;
    for (int f = 1; f < UnitFieldCount && reading.ok(); ++f)
        *fields[f] = reading.text(unitFieldNames()[f]);
    owner.units.append(unit);
    reading.endRecord(unitFieldNames()[UnitFieldCount - 1]);
}

// Reads owner i's line and his unit lines; false when the owner's line was not begun.
bool readOwner(FieldReading &reading, CondominiumArchive::OwnerRecord &owner, int i)
{
    reading.setOwner(i);
    owner.ownerName = reading.text(QStringLiteral("il nome"));
    if (!reading.ok())
        return false;
    reading.setOwner(i, owner.ownerName);
    owner.ownerAddress = reading.text(QStringLiteral("l'indirizzo"));
    owner.ownerFloor = reading.text(QStringLiteral("il piano"));
    const int unitCount = reading.ranged(QStringLiteral("il numero dei locali"), 0, MaxUnits);
    const QString millesimiField = QString::fromUtf8("i millesimi di proprietà");
    const Cell millesimi = reading.cell(millesimiField);
    if (reading.ok())
        owner.ownerMillesimi = millesimi;
    reading.endRecord(millesimiField);
    for (int j = 1; j <= unitCount && reading.ok(); ++j)
        readUnit(reading, owner, j);
    return true;
}

CondominiumArchive::LoadResult readArchive(ArchiveReader &reader)
{
    CondominiumArchive::LoadResult result;
    result.opened = true;
    result.problem = reader.problem();
    FieldReading reading(reader, result.problem);
    int ownerCount = 0;
    readHeader(reading, result, ownerCount);
    for (int i = 1; i <= ownerCount && reading.ok(); ++i) {
        CondominiumArchive::OwnerRecord owner;
        if (readOwner(reading, owner, i))
            result.owners.append(owner);
    }
    // Lines after the last counted owner mean the count is wrong: the owners beyond it
    // would be lost without a word at the next save.
    reading.refuseLeftOver(QString::fromUtf8("il file continua dopo l'ultimo condomino "
                                             "contato nella prima riga"));
    result.failedLine = reader.failedLine();
    return result;
}

void writeArchive(ArchiveWriter &writer, const SharedState &state)
{
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    writer.writeText(state.condoName);
    writer.writeInteger(owners);
    writer.writeOptionalInteger(state.heatingBasis);
    writer.endRecord();
    for (int i = 1; i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        const int units = std::clamp(owner.unitCount, 0, MaxUnits);
        writer.writeText(owner.ownerName);
        writer.writeText(owner.ownerAddress);
        writer.writeText(owner.ownerFloor);
        writer.writeInteger(units);
        writer.writeCell(owner.ownerMillesimi, 3);
        writer.endRecord();
        for (int j = 1; j <= units; ++j) {
            for (const QString *field : unitFields(owner.units[j]))
                writer.writeText(*field);
            writer.endRecord();
        }
    }
}

// Most of the 25 000 units are empty: leaving those alone keeps opening a file cheap.
bool holdsAnything(const Unit &unit)
{
    for (const QString *field : unitFields(unit)) {
        if (!field->isEmpty())
            return true;
    }
    return false;
}

void clearRegistry(SharedState &state)
{
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName.clear();
        owner.ownerAddress.clear();
        owner.ownerFloor.clear();
        // Every unit, not only the counted ones: a unit left beyond a gap in the names
        // would otherwise join the next condominium's owner.
        for (int j = 1; j <= MaxUnits; ++j) {
            if (holdsAnything(owner.units[j]))
                owner.units[j].clear();
        }
        owner.unitFigures.fill(UnitFigures());
        owner.unitCount = 0;
    }
    state.condoName.clear();
    state.ownerCount = 0;
}

QString ownerText(int i)
{
    return QStringLiteral(" del condomino n.") + NumberText::str(i);
}

} // namespace

CondominiumArchive::LoadResult CondominiumArchive::load(const QString &path)
{
    ArchiveReader reader;
    if (!reader.open(path)) {
        LoadResult result;
        result.problem = reader.problem();
        return result;
    }
    return readArchive(reader);
}

CondominiumArchive::LoadResult CondominiumArchive::fromBytes(const QByteArray &bytes)
{
    ArchiveReader reader(bytes);
    return readArchive(reader);
}

void CondominiumArchive::apply(const LoadResult &result, SharedState &state)
{
    if (!result.opened)
        return;
    clearRegistry(state);
    state.condoName = result.condoName;
    // What the file did not give is not left over from the condominium opened before: no
    // heating basis, and no millesimi for the owners it does not hold.
    state.heatingBasis = result.heatingBasis.value_or(0);
    for (int i = int(result.owners.size()) + 1; i <= MaxOwners; ++i)
        state.owner(i).ownerMillesimi = Cell::fromNumber(0);
    const int owners = std::min(int(result.owners.size()), MaxOwners);
    for (int i = 1; i <= owners; ++i) {
        const OwnerRecord &record = result.owners.at(i - 1);
        Owner &owner = state.owner(i);
        owner.ownerName = record.ownerName;
        owner.ownerAddress = record.ownerAddress;
        owner.ownerFloor = record.ownerFloor;
        owner.ownerMillesimi = record.ownerMillesimi.value_or(Cell::fromNumber(0));
        owner.unitCount = std::min(int(record.units.size()), MaxUnits);
        for (int j = 1; j <= owner.unitCount; ++j)
            owner.units[j] = record.units.at(j - 1);
    }
    state.ownerCount = owners;
}

bool CondominiumArchive::save(const SharedState &state, const QString &path, QString *error)
{
    ArchiveWriter writer;
    writeArchive(writer, state);
    const bool written = writer.commit(path);
    if (!written && error)
        *error = writer.errorString();
    return written;
}

QByteArray CondominiumArchive::toBytes(const SharedState &state, QString *error)
{
    ArchiveWriter writer;
    writeArchive(writer, state);
    if (writer.isWritable())
        return writer.bytes();
    if (error)
        *error = writer.errorString();
    return QByteArray();
}

std::optional<CondominiumArchive::UnwritableField>
CondominiumArchive::firstUnwritableField(const SharedState &state)
{
    QString reason = ArchiveWriter::unwritableReason(state.condoName);
    if (!reason.isEmpty())
        return UnwritableField{QStringLiteral("il nome del condominio"), reason};
    for (int i = 1, owners = std::clamp(state.ownerCount, 0, MaxOwners); i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        const Cell &millesimi = owner.ownerMillesimi;
        const QString typedMillesimi = millesimi.isNumber() ? QString() : millesimi.toText();
        const std::pair<const QString *, const char *> ownerFields[] = {
            {&owner.ownerName, "il nome"},
            {&owner.ownerAddress, "l'indirizzo"},
            {&owner.ownerFloor, "il piano"},
            {&typedMillesimi, "i millesimi"}};
        for (const auto &[text, name] : ownerFields) {
            reason = ArchiveWriter::unwritableReason(*text);
            if (!reason.isEmpty())
                return UnwritableField{QString::fromUtf8(name) + ownerText(i), reason};
        }
        for (int j = 1, units = std::clamp(owner.unitCount, 0, MaxUnits); j <= units; ++j) {
            const auto fields = unitFields(owner.units[j]);
            for (int f = 0; f < UnitFieldCount; ++f) {
                reason = ArchiveWriter::unwritableReason(*fields[f]);
                if (!reason.isEmpty())
                    return UnwritableField{unitFieldNames()[f] + QStringLiteral(" del locale n.")
                                               + NumberText::str(j) + ownerText(i),
                                           reason};
            }
        }
    }
    return std::nullopt;
}

} // namespace veltra
