#include "core/archive/windows1252.h"

namespace veltra::Windows1252 {

namespace {

// The characters of bytes 0x80 to 0x9F; undefined bytes keep their own number.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isUndefinedByte(char16_t code)
{
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

// The byte for a character, or -1 when the code page has none.
int byteFor(char16_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF) || isUndefinedByte(code))
        return code;
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == code)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code <= 0x9F ? HighControls[code - 0x80] : char16_t(code));
    }
    return text;
}

QByteArray encode(const QString &text, qsizetype *unwritable)
{
    if (unwritable)
        *unwritable = -1;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text.at(i).unicode());
        if (byte < 0) {
            if (unwritable)
                *unwritable = i;
            return QByteArray();
        }
        bytes[i] = char(byte);
    }
    return bytes;
}

bool canEncode(QChar character)
{
    return byteFor(character.unicode()) >= 0;
}

} // namespace veltra::Windows1252
