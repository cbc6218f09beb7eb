#pragma once

#include "core/archive/archivereader.h"

#include <QString>

namespace veltra {

// The files that live beside an archive and are named after it, and the reading common to
// every archive-notation file.
namespace CompanionFile {

// The file beside path named as it, with companionPrefix in place of ownPrefix (or before
// the whole name when it lacks ownPrefix): "Veltra-dati-Rossi" gives "Veltra-anagrafe-Rossi".
QString pathBeside(const QString &path, const QString &ownPrefix, const QString &companionPrefix);

// The file at path read by readAll(ArchiveReader &); a file that cannot be opened gives a
// Result with only its problem set.
template<typename Result, typename ReadAll>
Result load(const QString &path, ReadAll readAll)
{
    ArchiveReader reader;
    if (!reader.open(path)) {
        Result result;
        result.problem = reader.problem();
        return result;
    }
    return readAll(reader);
}

} // namespace CompanionFile

} // namespace veltra
