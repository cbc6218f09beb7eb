#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

// The text of an archive file's bytes. The system writes Windows-1252; an administrator
// who edits a file in a modern editor saves it as UTF-8, and "Nicolò" must not come back
// as "NicolÃ²". Bytes that are valid UTF-8 and hold at least one multi-byte sequence (or
// begin with the UTF-8 byte order mark) are therefore read as UTF-8: Italian text in
// Windows-1252 practically never forms such sequences (an accented letter there is one
// byte, which UTF-8 never accepts alone).
namespace ArchiveText {

QString decode(const QByteArray &bytes);

// Whether the bytes begin with the UTF-8 byte order mark but what follows is not UTF-8:
// an editor put the mark before Windows-1252 text, and no reading of it can be trusted.
bool hasMisleadingMark(const QByteArray &bytes);

} // namespace ArchiveText

} // namespace veltra
