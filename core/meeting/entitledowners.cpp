#include "core/meeting/entitledowners.h"

#include "core/state/sharedstate.h"

#include <QStringList>

#include <algorithm>

namespace veltra {

namespace EntitledOwners {

QString text(const QList<int> &owners)
{
    QStringList parts;
    for (int k = 0; k < owners.size();) {
        int last = k;
        while (last + 1 < owners.size() && owners.at(last + 1) == owners.at(last) + 1)
            ++last;
        parts << (last > k + 1 ? QStringLiteral("%1-%2").arg(owners.at(k)).arg(owners.at(last))
                               : QString::number(owners.at(k)));
        if (last == k + 1)
            parts << QString::number(owners.at(last));
        k = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}

std::optional<QList<int>> read(const QString &text, const SharedState &state)
{
    QList<int> owners;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const int first = ends.first().trimmed().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends.last().trimmed().toInt(&lastOk) : first;
        if (!firstOk || (ends.size() == 2 && !lastOk) || ends.size() > 2 || first < 1 || last < first
            || last > MaxOwners)
            return std::nullopt;
        for (int owner = first; owner <= last; ++owner) {
            if (state.owner(owner).ownerName.isEmpty())
                return std::nullopt;
            if (!owners.contains(owner))
                owners << owner;
        }
    }
    std::sort(owners.begin(), owners.end());
    return owners;
}

} // namespace EntitledOwners

} // namespace veltra
