#include "core/registry/registerfile.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"
#include "core/archive/companionfile.h"
#include "core/archive/fieldreading.h"
#include "core/archive/filereplacement.h"
#include "core/registry/recordnotation.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-ANAGRAFE");
constexpr int FormatVersion = 1;
const QString ArchivePrefix = QStringLiteral("Veltra-dati-");
const QString RegisterPrefix = QStringLiteral("Veltra-anagrafe-");
const QString OwnerKind = QStringLiteral("condomino");
const QString SafetyKind = QStringLiteral("sicurezza");

void readHeader(FieldReading &reading, RegisterFile::LoadResult &result)
{
    const QString format = reading.text(QStringLiteral("la riga di formato"));
    if (reading.ok() && format != FormatName)
        reading.refuse(QStringLiteral("la riga di formato"),
                       QStringLiteral("non è un file di anagrafe condominiale"));
    reading.ranged(QStringLiteral("la versione del formato"), FormatVersion, FormatVersion);
    reading.endRecord(QStringLiteral("la versione del formato"));
    result.condoName = reading.text(QStringLiteral("il nome del condominio"));
    reading.endRecord(QStringLiteral("il nome del condominio"));
}

// The owner lines come in increasing number; each record's lines follow its owner's.
void readBody(ArchiveReader &reader, FieldReading &reading, RegisterFile::LoadResult &result)
{
    int owner = 0;
    while (reading.ok() && !reader.atEnd()) {
        const QString kind = reading.text(QStringLiteral("il tipo di riga"));
        if (kind == OwnerKind && result.safety.isEmpty()) {
            const int number = reading.ranged(QStringLiteral("il numero del condomino"), owner + 1,
                                              MaxOwners);
            const QString name = reading.text(QStringLiteral("il nome del condomino"));
            reading.endRecord(QStringLiteral("il nome del condomino"));
            owner = number;
            reading.setOwner(owner, name);
            result.ownerNames.insert(owner, name);
            result.records.insert(owner, OwnerRecord());
        } else if (kind == SafetyKind) {
            reading.setOwner(0);
            const SafetyItem item = RecordNotation::readSafetyItem(reading);
            if (reading.ok())
                result.safety.append(item);
        } else if (owner == 0 || !result.safety.isEmpty()
                   || !RecordNotation::read(reading, kind, result.records[owner])) {
            reading.refuse(QStringLiteral("il tipo di riga"),
                           QStringLiteral("\"%1\" non è atteso qui").arg(FieldReading::quoted(kind)));
        }
    }
}

RegisterFile::LoadResult readAll(ArchiveReader &reader)
{
    RegisterFile::LoadResult result;
    result.opened = true;
    result.problem = reader.problem();
    FieldReading reading(reader, result.problem);
    readHeader(reading, result);
    readBody(reader, reading, result);
    if (!reading.ok() && result.problem.isEmpty())
        result.problem = QStringLiteral("riga %1 illeggibile").arg(reader.failedLine());
    result.failedLine = reader.failedLine();
    return result;
}

} // namespace

QString RegisterFile::pathBeside(const QString &archivePath)
{
    return CompanionFile::pathBeside(archivePath, ArchivePrefix, RegisterPrefix);
}

RegisterFile::LoadResult RegisterFile::load(const QString &path)
{
    return CompanionFile::load<LoadResult>(path, readAll);
}

RegisterFile::LoadResult RegisterFile::fromBytes(const QByteArray &bytes)
{
    ArchiveReader reader(bytes);
    return readAll(reader);
}

QStringList RegisterFile::mismatches(const LoadResult &result, const SharedState &state)
{
    QStringList lines;
    for (auto owner = result.ownerNames.cbegin(); owner != result.ownerNames.cend(); ++owner) {
        const QString now = state.owner(owner.key()).ownerName;
        if (now == owner.value())
            continue;
        if (now.isEmpty())
            lines.append(QString::fromUtf8("condomino n. %1: il registro è di \"%2\", che "
                                           "l'archivio non ha più")
                             .arg(owner.key())
                             .arg(owner.value()));
        else
            lines.append(QString::fromUtf8("condomino n. %1: il registro è di \"%2\", "
                                           "l'archivio ha \"%3\"")
                             .arg(owner.key())
                             .arg(owner.value(), now));
    }
    return lines;
}

void RegisterFile::apply(const LoadResult &result, SharedState &state)
{
    state.anagrafe.clear();
    for (auto record = result.records.cbegin(); record != result.records.cend(); ++record)
        state.anagrafe.setRecord(record.key(), record.value());
    state.anagrafe.safety = result.safety;
}

QByteArray RegisterFile::toBytes(const SharedState &state, QString *error)
{
    ArchiveWriter writer;
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(state.condoName);
    writer.endRecord();
    for (int i = 1; i <= MaxOwners; ++i) {
        const QString &name = state.owner(i).ownerName;
        const OwnerRecord &record = state.anagrafe.record(i);
        if (name.isEmpty() && record.isEmpty())
            continue;
        writer.writeText(OwnerKind);
        writer.writeInteger(i);
        writer.writeQuotedText(name);
        writer.endRecord();
        RecordNotation::write(writer, record);
    }
    for (const SafetyItem &item : state.anagrafe.safety)
        RecordNotation::write(writer, item);
    if (writer.isWritable())
        return writer.bytes();
    if (error)
        *error = writer.errorString();
    return QByteArray();
}

QString RegisterFile::loadBeside(SharedState &state, const QString &archivePath)
{
    const QString path = pathBeside(archivePath);
    state.anagrafe.refusedFile.clear();
    if (!QFileInfo::exists(path))
        return QString();
    const LoadResult result = load(path);
    if (!result.isComplete()) {
        state.anagrafe.refusedFile = path;
        return QString::fromUtf8("L'anagrafe condominiale %1 non è leggibile (%2): resta fuori "
                                 "dai dati aperti e nessun salvataggio la sovrascriverà.")
            .arg(QFileInfo(path).fileName(), result.problem);
    }
    apply(result, state);
    const QStringList lines = mismatches(result, state);
    if (lines.isEmpty())
        return QString();
    return QString::fromUtf8("L'anagrafe condominiale %1 non corrisponde più ai condomini "
                             "dell'archivio:\n%2\nI dati restano sotto il numero di ciascun "
                             "condomino: controllarli nella finestra Anagrafe.")
        .arg(QFileInfo(path).fileName(), lines.mid(0, 10).join(QLatin1Char('\n')));
}

bool RegisterFile::saveBeside(const SharedState &state, const QString &archivePath, QString *error)
{
    const QString path = pathBeside(archivePath);
    if (path == state.anagrafe.refusedFile) {
        *error = QString::fromUtf8("il file non era leggibile all'apertura e non viene sovrascritto");
        return false;
    }
    if (state.anagrafe.isEmpty() && !QFileInfo::exists(path))
        return true;
    return save(state, path, error);
}

bool RegisterFile::save(const SharedState &state, const QString &path, QString *error)
{
    const QByteArray bytes = toBytes(state, error);
    if (bytes.isEmpty())
        return false;
    return FileReplacement::replace(path, bytes, error);
}

} // namespace veltra
