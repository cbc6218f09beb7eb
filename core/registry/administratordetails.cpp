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

std::array<QString *, 9> AdministratorDetails::texts()
{
    return {&name, &address, &fiscalCode, &vatNumber, &phone, &email, &pec, &registersPlace,
            &inspectionHours};
}

std::array<const QString *, 9> AdministratorDetails::texts() const
{
    return {&name, &address, &fiscalCode, &vatNumber, &phone, &email, &pec, &registersPlace,
            &inspectionHours};
}

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
    const auto mine = texts();
    const auto theirs = other.texts();
    for (std::size_t k = 0; k < mine.size(); ++k) {
        if (*mine[k] != *theirs[k])
            return false;
    }
    return true;
}

} // namespace veltra
