#include "core/registry/administratordetails.h"

namespace veltra {

namespace {

// The labelled parts that are set, joined on one line.
QString joined(const QList<QPair<QString, QString>> &parts)
{
    QStringList set;
    for (const auto &[label, value] : parts) {
        if (!value.trimmed().isEmpty())
            set << label + value.trimmed();
    }
    return set.join(QStringLiteral(" - "));
}

} // namespace

bool AdministratorDetails::isEmpty() const
{
    return *this == AdministratorDetails();
}

QStringList AdministratorDetails::letterhead() const
{
    const QStringList lines = {
        name.trimmed(),
        address.trimmed(),
        joined({{QStringLiteral("C.F. "), fiscalCode}, {QStringLiteral("P.IVA "), vatNumber}}),
        joined({{QStringLiteral("tel. "), phone},
                {QStringLiteral("e-mail "), email},
                {QStringLiteral("PEC "), pec}}),
        joined({{QStringLiteral("Registri condominiali consultabili presso "), registersPlace},
                {QString(), inspectionHours}}),
    };
    QStringList set;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            set << line;
    }
    return set;
}

bool AdministratorDetails::operator==(const AdministratorDetails &other) const
{
    return name == other.name && address == other.address && fiscalCode == other.fiscalCode
        && vatNumber == other.vatNumber && phone == other.phone && email == other.email
        && pec == other.pec && registersPlace == other.registersPlace
        && inspectionHours == other.inspectionHours;
}

} // namespace veltra
