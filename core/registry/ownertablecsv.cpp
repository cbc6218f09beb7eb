#include "core/registry/ownertablecsv.h"

#include "core/numbers/numberformat.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra {

QString OwnerTableCsv::field(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString OwnerTableCsv::row(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted << field(text);
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString OwnerTableCsv::millesimi(double value)
{
    return formatNumber(value, NumberFormat::MillesimiPattern);
}

QString OwnerTableCsv::build(const SharedState &state)
{
    QString table = row({QStringLiteral("n."), QStringLiteral("nome"),
                         QStringLiteral("indirizzo"), QStringLiteral("piano"),
                         QStringLiteral("millesimi di proprietà"),
                         QStringLiteral("millesimi d'uso"),
                         QStringLiteral("millesimi per scale")});
    for (int i = 1, owners = std::clamp(state.ownerCount, 0, MaxOwners); i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        table += row({QString::number(i), owner.ownerName, owner.ownerAddress,
                      owner.ownerFloor, millesimi(owner.ownerMillesimi.toNumber()),
                      millesimi(owner.useMillesimi), millesimi(owner.stairsMillesimi)});
    }
    return table;
}

} // namespace veltra
