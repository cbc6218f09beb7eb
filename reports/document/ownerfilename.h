#pragma once

#include <QString>

namespace veltra {

// The name of the file that holds one owner's letter, safe on every system the file may
// be mailed to: "007 Marchetti Chiara.pdf". The owner's number in front keeps two owners
// of the same name apart and the files in the order of the registry.
namespace OwnerFileName {

// Longest name part kept, in characters: well within every file system's limit, even in
// UTF-8 with accented letters.
constexpr int MaxNameLength = 80;

// The file name for owner number owner (from 1) called ownerName, ending in extension
// (".pdf"): characters that a file system refuses or reads as a folder become blanks,
// blanks are collapsed, dots and blanks at the ends are left out, and a name that is left
// empty becomes "condomino".
QString of(int owner, const QString &ownerName, const QString &extension);

} // namespace OwnerFileName

} // namespace veltra
