#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace veltra {

// How every file of the system is saved, archives and documents alike: the new content
// goes to a temporary file beside the old one, every byte of it is written, flushed and
// synced, and only then does the temporary file take the old one's name. A full disk, a
// size limit or a failing device leave the previous file as it was, to the byte.
namespace FileReplacement {

// Writes bytes to device, then flushes its buffer and checks that the device took every
// byte: a buffered write that fits the buffer only fails on the flush.
bool writeAll(QFileDevice &device, const QByteArray &bytes);

// Replaces the file at path with bytes; false, with the reason in Italian in *error
// ("disco pieno", "cartella in sola lettura", "file in uso da un altro programma"), when
// any byte could not be written (the previous file, or none, is then left as it was).
bool replace(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace FileReplacement

} // namespace veltra
