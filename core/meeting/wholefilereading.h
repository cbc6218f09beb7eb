#pragma once

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"
#include "core/archive/companionfile.h"

#include <QByteArray>
#include <QString>

namespace veltra {

// How the meeting's files are read and written: only whole. A result (opened, failedLine,
// problem, isComplete() and its data) comes back with its data emptied when any field was
// refused, so that no caller can use half a file.
namespace WholeFileReading {

template<typename Result, typename ReadRecords>
Result read(ArchiveReader &reader, ReadRecords readRecords)
{
    Result result;
    result.opened = true;
    result.problem = reader.problem();
    if (!result.problem.isEmpty())
        return result;
    readRecords(reader, result);
    result.failedLine = reader.failedLine();
    if (result.isComplete())
        return result;
    Result refused;
    refused.opened = true;
    refused.failedLine = result.failedLine;
    refused.problem = result.problem;
    return refused;
}

template<typename Result, typename ReadRecords>
Result load(const QString &path, ReadRecords readRecords)
{
    return CompanionFile::load<Result>(
        path, [&readRecords](ArchiveReader &reader) { return read<Result>(reader, readRecords); });
}

template<typename Result, typename ReadRecords>
Result fromBytes(const QByteArray &bytes, ReadRecords readRecords)
{
    ArchiveReader reader(bytes);
    return read<Result>(reader, readRecords);
}

// The writer's bytes, or none when a text cannot be carried.
inline QByteArray bytesOf(const ArchiveWriter &writer)
{
    return writer.isWritable() ? writer.bytes() : QByteArray();
}

// Writes the file through a temporary one; false with *error (when given) otherwise.
inline bool commit(ArchiveWriter &writer, const QString &path, QString *error)
{
    if (writer.commit(path))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

// The bytes writeAll gives, or none, with *error (when given), when a text cannot be carried.
template<typename WriteAll>
QByteArray bytesWritten(WriteAll writeAll, QString *error)
{
    ArchiveWriter writer;
    writeAll(writer);
    if (!writer.isWritable() && error)
        *error = writer.errorString();
    return bytesOf(writer);
}

// Writes what writeAll gives through a temporary file; false with *error otherwise.
template<typename WriteAll>
bool commitWritten(WriteAll writeAll, const QString &path, QString *error)
{
    ArchiveWriter writer;
    writeAll(writer);
    return commit(writer, path, error);
}

// Reads the records with a reading class (constructed on the reader and the result, with
// read()), naming the line the reader stopped at when the reading found no cause itself.
template<typename Reading, typename Result>
void readWith(ArchiveReader &reader, Result &result)
{
    Reading(reader, result).read();
    if (!reader.ok() && result.problem.isEmpty())
        result.problem = QStringLiteral("riga %1 illeggibile").arg(reader.failedLine());
}

} // namespace WholeFileReading

} // namespace veltra
