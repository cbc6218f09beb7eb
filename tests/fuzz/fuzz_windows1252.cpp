// The code page of the archives: every byte decodes and encodes back to itself, and a
// text is encoded whole or refused at its first character the code page cannot hold. The
// text of an archive file is read either as Windows-1252 or as UTF-8, never a mixture.

#include "fuzzcheck.h"

#include "core/archive/archivetext.h"
#include "core/archive/windows1252.h"

#include <cstring>

using namespace veltra;

namespace {

void requireBytesRoundTrip(const QByteArray &bytes)
{
    const QString text = Windows1252::decode(bytes);
    fuzz::require(text.size() == bytes.size(), "one character per byte");
    qsizetype unwritable = 0;
    fuzz::require(Windows1252::encode(text, &unwritable) == bytes && unwritable == -1,
                  "decoded bytes encode back to themselves", text);
}

void requireTextEncodedOrRefused(const QString &text)
{
    qsizetype unwritable = 0;
    const QByteArray bytes = Windows1252::encode(text, &unwritable);
    qsizetype firstRefused = -1;
    for (qsizetype i = 0; i < text.size() && firstRefused < 0; ++i) {
        if (!Windows1252::canEncode(text[i]))
            firstRefused = i;
    }
    fuzz::require(unwritable == firstRefused, "the first character refused is named", text);
    if (firstRefused >= 0)
        fuzz::require(bytes.isEmpty(), "a refused text gives no bytes", text);
    else
        fuzz::require(Windows1252::decode(bytes) == text, "an encoded text decodes back", text);
}

void requireArchiveTextOfOneCoding(const QByteArray &bytes)
{
    const QString text = ArchiveText::decode(bytes);
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray body = bytes.startsWith(mark) ? bytes.mid(mark.size()) : bytes;
    fuzz::require(text == Windows1252::decode(bytes) || text == QString::fromUtf8(body),
                  "an archive is read in one coding", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    requireBytesRoundTrip(bytes);
    requireArchiveTextOfOneCoding(bytes);
    // The same bytes as UTF-16 code units: every character, including lone surrogates.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size_t(units.size()) * sizeof(QChar));
    requireTextEncodedOrRefused(units);
    requireTextEncodedOrRefused(QString::fromUtf8(bytes));
    return 0;
}
