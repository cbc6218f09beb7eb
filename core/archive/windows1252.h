#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

// The code page of the archive files, by hand: Qt 6 has no codec for it.
// Bytes 0x80-0x9F hold the euro sign, typographic quotes, dashes and a few letters; the
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the
// control characters of the same number, as Windows does, so that decoding never loses a
// byte and encoding gives the same bytes back.
namespace Windows1252 {

// The text the bytes stand for; every byte decodes.
QString decode(const QByteArray &bytes);

// The bytes of the text, or an empty array with *unwritable set to the position of the
// first character the code page cannot hold (-1 when all can). A character is never
// replaced silently: the caller refuses to write and tells the user which one it is.
QByteArray encode(const QString &text, qsizetype *unwritable = nullptr);

// Whether the code page holds this character.
bool canEncode(QChar character);

} // namespace Windows1252

} // namespace veltra
