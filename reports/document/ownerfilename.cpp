#include "reports/document/ownerfilename.h"

namespace veltra {

namespace {

// Refused by Windows, or a folder separator anywhere.
const QString Forbidden = QStringLiteral("<>:\"/\\|?*");

QString safeName(const QString &ownerName)
{
    QString name;
    for (const QChar c : ownerName) {
        const bool refused = c.unicode() < 0x20 || c.unicode() == 0x7f || Forbidden.contains(c)
            || c.category() == QChar::Other_Format;
        name += refused ? QChar(QLatin1Char(' ')) : c;
    }
    name = name.simplified().left(OwnerFileName::MaxNameLength);
    while (!name.isEmpty() && (name.front() == QLatin1Char('.') || name.front() == QLatin1Char(' ')))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back() == QLatin1Char(' ')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("condomino") : name;
}

} // namespace

QString OwnerFileName::of(int owner, const QString &ownerName, const QString &extension)
{
    return QStringLiteral("%1 ").arg(owner, 3, 10, QLatin1Char('0')) + safeName(ownerName)
        + extension;
}

} // namespace veltra
