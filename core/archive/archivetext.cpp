#include "core/archive/archivetext.h"

#include "core/archive/windows1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace veltra::ArchiveText {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

bool hasMisleadingMark(const QByteArray &bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes.mid(ByteOrderMark.size()));
    return utf8.hasError();
}

QString decode(const QByteArray &bytes)
{
    const bool marked = bytes.startsWith(ByteOrderMark);
    const QByteArray body = marked ? bytes.mid(ByteOrderMark.size()) : bytes;
    if (!marked && isAscii(body))
        return Windows1252::decode(body);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(body);
    return utf8.hasError() ? Windows1252::decode(bytes) : text;
}

} // namespace veltra::ArchiveText
