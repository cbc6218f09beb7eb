#pragma once

#include "core/archive/archivetext.h"
#include "core/archive/windows1252.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace veltra::fuzz {

// The fuzzer's input as a byte array that borrows the bytes.
inline QByteArray inputBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Stops the run when a property of the code under test does not hold: libFuzzer keeps
// the input as a crash and prints it.
inline void require(bool holds, const char *property, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

// Whether Windows-1252 bytes that the system wrote form UTF-8 and are read back as such:
// only texts like "Ã¨", the UTF-8 form of "è" read in the wrong code page, do that, and
// reading them back as "è" is no fault of the save.
inline bool readsAsUtf8(const QByteArray &saved)
{
    return ArchiveText::decode(saved) != Windows1252::decode(saved);
}

} // namespace veltra::fuzz
