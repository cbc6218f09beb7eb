#pragma once

#include "core/state/cell.h"
#include "core/state/unit.h"

#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The condominium archive file: the header (name, number of owners, heating basis), then
// each owner's line followed by the lines of his units. Loading reads the whole file
// before anything in the shared state changes, so that a file that fails half way can
// be shown to the user, who decides whether to keep the current data or take the part
// that was read.
class CondominiumArchive
{
public:
    // One owner as read; fields not reached keep their empty value.
    struct OwnerRecord
    {
        QString ownerName;
        QString ownerAddress;
        QString ownerFloor;
        std::optional<Cell> ownerMillesimi; // thousandths; nothing when not reached
        QList<Unit> units;                   // the unit lines begun
    };

    struct LoadResult
    {
        bool opened = false;  // false: no name, missing or unreadable file
        int failedLine = 0;   // the line (from 1) of the first field not read, 0 when none
        // Why the file could not be opened or read at all, or the first field it could not
        // read, named with its line and whose it is; empty when read whole.
        QString problem;
        QString condoName;
        std::optional<int> heatingBasis; // 1 by volume, 2 by radiant surface, 0 not chosen
        QList<OwnerRecord> owners;       // the owner lines begun, in order

        bool isComplete() const { return opened && failedLine == 0; }
    };

    // A text field that no archive can carry back faithfully, named for the user.
    struct UnwritableField
    {
        QString field;  // "il nome del condomino n. 3"
        QString reason; // "contiene le virgolette (\")"
    };

    // Reads the file named path; the shared state is not touched.
    static LoadResult load(const QString &path);
    // Reads the bytes of a file as load() reads the file.
    static LoadResult fromBytes(const QByteArray &bytes);

    // Clears the registry as "Cancella dati finestra" does (names, addresses, floors, every
    // unit of every owner, the condominium's name and the number of owners) and then stores
    // what the result holds; a heating basis or property millesimi the file did not give
    // become none, never the previous condominium's. The number of owners and each owner's
    // number of units become the lines actually read.
    static void apply(const LoadResult &result, SharedState &state);

    // Writes owners 1 to ownerCount with their units; false when the file could not be
    // written (the previous file is then untouched) or a text cannot be carried, which
    // firstUnwritableField() names beforehand.
    static bool save(const SharedState &state, const QString &path, QString *error = nullptr);
    // The bytes save() writes, or an empty array, with *error, when a text or a number
    // cannot be carried.
    static QByteArray toBytes(const SharedState &state, QString *error = nullptr);

    // The first text field, in the order of the file, that contains a double quote, a
    // line break or a character outside Windows-1252; nothing when all can be saved.
    static std::optional<UnwritableField> firstUnwritableField(const SharedState &state);
};

} // namespace veltra
