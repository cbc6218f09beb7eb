#include "core/expenses/meterreadingsfile.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"
#include "core/archive/companionfile.h"
#include "core/archive/fieldreading.h"
#include "core/archive/filereplacement.h"
#include "core/expenses/expenseallocation.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

#include <algorithm>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-LETTURE");
constexpr int FormatVersion = 1;
const QString ItemPrefix = QStringLiteral("Veltra-");
const QString CompanionPrefix = QStringLiteral("Veltra-letture-");

namespace Field {
const char *const Format = "la riga di formato";
const char *const Version = "la versione del formato";
const char *const CondoName = "il nome del condominio";
const char *const OwnerCount = "il numero dei condomini";
const char *const Percent = "la percentuale ripartita in base ai consumi";
const char *const Basis = "la base della quota fissa";
const char *const Name = "il nome";
const char *const Reading = "la lettura";
const char *const Estimated = "il segno di lettura stimata";
const char *const Demand = "i millesimi di fabbisogno";
} // namespace Field

QString fieldName(const char *field)
{
    return QString::fromUtf8(field);
}

// Empty, or a number; a reading must not be negative either.
QString readFigure(FieldReading &reading, const char *field, bool nonNegative)
{
    const QString value = reading.text(fieldName(field));
    if (!reading.ok() || value.isEmpty())
        return value;
    QString fault = NumberText::fault(value);
    if (fault.isEmpty() && nonNegative && NumberText::read(value).value_or(0) < 0)
        fault = QStringLiteral("\"%1\" è negativa").arg(FieldReading::quoted(value));
    reading.refuse(fieldName(field), fault);
    return value;
}

void readFormatLine(FieldReading &reading)
{
    const QString format = reading.text(fieldName(Field::Format));
    if (reading.ok() && format != FormatName)
        reading.refuse(fieldName(Field::Format),
                       QStringLiteral("non è un file di letture dei contatori di calore"));
    reading.ranged(fieldName(Field::Version), FormatVersion, FormatVersion);
    reading.endRecord(fieldName(Field::Version));
}

MeterReadingsFile::LoadResult readAll(ArchiveReader &reader)
{
    MeterReadingsFile::LoadResult result;
    result.opened = true;
    result.problem = reader.problem();
    FieldReading reading(reader, result.problem);
    readFormatLine(reading);
    result.condoName = reading.text(fieldName(Field::CondoName));
    const int owners = reading.ranged(fieldName(Field::OwnerCount), 0, MaxOwners);
    result.parameters.consumptionPercent = readFigure(reading, Field::Percent, false);
    result.parameters.basis = reading.ranged(fieldName(Field::Basis), int(MeterBasis::Property),
                                             int(MeterBasis::Demand));
    reading.endRecord(fieldName(Field::Basis));
    for (int i = 1; i <= owners && reading.ok(); ++i) {
        MeterReadingsFile::OwnerReadings owner;
        reading.setOwner(i);
        owner.ownerName = reading.text(fieldName(Field::Name));
        reading.setOwner(i, owner.ownerName);
        owner.meterReading = readFigure(reading, Field::Reading, true);
        owner.readingEstimated = reading.ranged(fieldName(Field::Estimated), 0, 1);
        owner.demandMillesimi = readFigure(reading, Field::Demand, false);
        reading.endRecord(fieldName(Field::Demand));
        if (reading.ok())
            result.owners.append(owner);
    }
    reading.refuseLeftOver(QString::fromUtf8("il file continua dopo l'ultimo condomino"));
    result.failedLine = reader.failedLine();
    return result;
}

QString unreadableMessage(const QString &path, const QString &cause)
{
    return QString::fromUtf8("La spesa è ripartita con i contatori di calore, ma il file delle "
                             "letture \"%1\" %2: la spesa non è stata aperta.")
        .arg(QFileInfo(path).fileName(), cause);
}

} // namespace

QString MeterReadingsFile::companionPath(const QString &itemPath)
{
    return CompanionFile::pathBeside(itemPath, ItemPrefix, CompanionPrefix);
}

MeterReadingsFile::LoadResult MeterReadingsFile::load(const QString &path)
{
    return CompanionFile::load<LoadResult>(path, readAll);
}

MeterReadingsFile::LoadResult MeterReadingsFile::fromBytes(const QByteArray &bytes)
{
    ArchiveReader reader(bytes);
    return readAll(reader);
}

std::optional<QString> MeterReadingsFile::foreignReason(const LoadResult &result,
                                                        const ExpenseArchive::LoadResult &item)
{
    if (result.condoName != item.condoName)
        return QStringLiteral("è del condominio \"%1\"").arg(FieldReading::quoted(result.condoName));
    if (result.owners.size() != item.owners.size())
        return QStringLiteral("ha %1 condomini invece di %2")
            .arg(result.owners.size())
            .arg(item.owners.size());
    for (int i = 1; i <= item.owners.size(); ++i) {
        if (result.owners.at(i - 1).ownerName != item.owners.at(i - 1).ownerName)
            return QStringLiteral("dà al condomino n.%1 il nome \"%2\"")
                .arg(NumberText::str(i), FieldReading::quoted(result.owners.at(i - 1).ownerName));
    }
    return std::nullopt;
}

void MeterReadingsFile::apply(const LoadResult &result, SharedState &state)
{
    state.meterParameters = result.parameters;
    const int owners = std::min(int(result.owners.size()), MaxOwners);
    for (int i = 1; i <= owners; ++i) {
        const OwnerReadings &read = result.owners.at(i - 1);
        Owner &owner = state.owner(i);
        owner.meterReading = read.meterReading;
        owner.readingEstimated = read.readingEstimated;
        owner.demandMillesimi = read.demandMillesimi;
    }
}

void MeterReadingsFile::clear(SharedState &state)
{
    state.meterParameters = MeterParameters();
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state.owner(i);
        owner.meterReading.clear();
        owner.readingEstimated = 0;
        owner.demandMillesimi.clear();
    }
}

std::optional<QString> MeterReadingsFile::readBeside(const QString &itemPath,
                                                     const ExpenseArchive::LoadResult &item,
                                                     LoadResult &readings)
{
    if (item.calcType != MeteredHeating)
        return std::nullopt;
    const QString path = companionPath(itemPath);
    readings = load(path);
    if (!readings.opened)
        return unreadableMessage(path, QStringLiteral("non c'è o non può essere aperto"));
    if (!readings.isComplete())
        return unreadableMessage(path, QString::fromUtf8("non è leggibile (%1)").arg(readings.problem));
    if (const std::optional<QString> foreign = foreignReason(readings, item))
        return unreadableMessage(path, QString::fromUtf8("non è di questa spesa: ") + *foreign);
    return std::nullopt;
}

void MeterReadingsFile::applyWithItem(const ExpenseArchive::LoadResult &item,
                                      const LoadResult &readings, SharedState &state)
{
    clear(state);
    if (item.calcType == MeteredHeating)
        apply(readings, state);
}

QByteArray MeterReadingsFile::toBytes(const SharedState &state, QString *error)
{
    ArchiveWriter writer;
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    writer.writeText(state.condoName);
    writer.writeInteger(owners);
    writer.writeText(state.meterParameters.consumptionPercent);
    writer.writeInteger(std::clamp(state.meterParameters.basis, int(MeterBasis::Property),
                                   int(MeterBasis::Demand)));
    writer.endRecord();
    for (int i = 1; i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        writer.writeText(owner.ownerName);
        writer.writeText(owner.meterReading);
        writer.writeInteger(owner.readingEstimated == 1 ? 1 : 0);
        writer.writeText(owner.demandMillesimi);
        writer.endRecord();
    }
    if (writer.isWritable())
        return writer.bytes();
    if (error)
        *error = writer.errorString();
    return QByteArray();
}

bool MeterReadingsFile::save(const SharedState &state, const QString &path, QString *error)
{
    QString reason;
    const QByteArray bytes = toBytes(state, &reason);
    if (bytes.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    return FileReplacement::replace(path, bytes, error);
}

} // namespace veltra
