#pragma once

#include "core/registry/ownerrecord.h"
#include "core/registry/safetyitem.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace veltra {

class SharedState;

// The owners' register's file beside the condominium archive, "Veltra-anagrafe-" and the
// condominium's name: a format line ("VELTRA-ANAGRAFE",1), the condominium's name, then for
// each owner a line "condomino" with his number and his name as the archive had it when the
// register was saved, followed by his record's lines, and last the safety list.
class RegisterFile
{
public:
    struct LoadResult
    {
        bool opened = false;  // the file was there and read, whole or in part
        QString problem;      // why it could not be read whole, in Italian
        int failedLine = 0;
        QString condoName;
        QMap<int, QString> ownerNames; // by owner number
        QMap<int, OwnerRecord> records;
        QVector<SafetyItem> safety;

        bool isComplete() const { return opened && problem.isEmpty(); }
    };

    // The register's file for the condominium archive at archivePath.
    static QString pathBeside(const QString &archivePath);

    static LoadResult load(const QString &path);
    static LoadResult fromBytes(const QByteArray &bytes);
    // The owners under which the file records another name than the archive now has, or
    // whom the archive no longer holds, one line each in Italian; empty when all match.
    static QStringList mismatches(const LoadResult &result, const SharedState &state);
    // The records and the safety list take the place of those in state, by owner number.
    static void apply(const LoadResult &result, SharedState &state);

    // The bytes of the register for state, or empty with error set when a text cannot be
    // written in the archive notation.
    static QByteArray toBytes(const SharedState &state, QString *error = nullptr);
    // Writes the file whole or not at all; false with error set, the previous file then
    // untouched.
    static bool save(const SharedState &state, const QString &path, QString *error = nullptr);

    // The register beside the archive at archivePath put into state, when there is one: a
    // message for the user, empty when there is none to give. A file that cannot be read
    // whole leaves the register empty, and is remembered so that no save overwrites it.
    static QString loadBeside(SharedState &state, const QString &archivePath);
    // Saves the register beside the archive at archivePath; nothing is written when the
    // register is empty and has no file yet. False, with error set, when the file cannot be
    // written or is the one that could not be read.
    static bool saveBeside(const SharedState &state, const QString &archivePath, QString *error);
};

} // namespace veltra
