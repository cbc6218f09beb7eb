#include "core/registry/administratorfile.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>


namespace veltra {

namespace {

const QString FormatName = QStringLiteral("Veltra-amministratore");
constexpr int FormatVersion = 1;

void writeRecords(ArchiveWriter &writer, const AdministratorDetails &details)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    for (const QString *field : details.texts())
        writer.writeQuotedText(*field);
    writer.endRecord();
}

std::optional<AdministratorDetails> readRecords(ArchiveReader &reader, QString *problem)
{
    if (!reader.problem().isEmpty()) {
        *problem = reader.problem();
        return std::nullopt;
    }
    const QString format = reader.readText();
    const int version = reader.readInteger();
    reader.endRecord();
    if (!reader.ok() || format != FormatName) {
        *problem = QStringLiteral("non è un file dei dati dell'amministratore");
        return std::nullopt;
    }
    if (version != FormatVersion) {
        *problem = QStringLiteral("è scritto da una versione più recente del programma");
        return std::nullopt;
    }
    AdministratorDetails details;
    for (QString *field : details.texts())
        *field = reader.readText();
    reader.endRecord();
    if (!reader.ok() || !reader.atEnd()) {
        *problem = QStringLiteral("la riga %1 è incompleta o illeggibile")
                       .arg(reader.ok() ? 3 : reader.failedLine());
        return std::nullopt;
    }
    return details;
}

} // namespace

QString AdministratorFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Veltra/") + FormatName;
}

std::optional<AdministratorDetails> AdministratorFile::load(const QString &path, QString *problem)
{
    if (!QFileInfo::exists(path))
        return AdministratorDetails();
    ArchiveReader reader;
    if (!reader.open(path)) {
        *problem = reader.problem();
        return std::nullopt;
    }
    return readRecords(reader, problem);
}

std::optional<AdministratorDetails> AdministratorFile::read(const QByteArray &bytes, QString *problem)
{
    ArchiveReader reader(bytes);
    return readRecords(reader, problem);
}

QByteArray AdministratorFile::bytes(const AdministratorDetails &details)
{
    ArchiveWriter writer;
    writeRecords(writer, details);
    return writer.bytes();
}

bool AdministratorFile::save(const AdministratorDetails &details, const QString &path, QString *error)
{
    if (!QDir().mkpath(QFileInfo(path).path())) {
        *error = QStringLiteral("impossibile creare la cartella ") + QFileInfo(path).path();
        return false;
    }
    ArchiveWriter writer;
    writeRecords(writer, details);
    if (writer.commit(path))
        return true;
    *error = writer.errorString();
    return false;
}

} // namespace veltra
