#include "core/registry/personrole.h"

namespace veltra {

namespace PersonRoles {

QStringList names()
{
    return {QStringLiteral("proprietario"),
            QStringLiteral("comproprietario"),
            QStringLiteral("usufruttuario"),
            QStringLiteral("nudo proprietario"),
            QStringLiteral("titolare di diritto d'uso o abitazione"),
            QStringLiteral("conduttore"),
            QStringLiteral("comodatario")};
}

QString name(PersonRole role)
{
    return names().at(int(role));
}

std::optional<PersonRole> fromName(const QString &name)
{
    const int index = names().indexOf(name.trimmed().toLower());
    if (index < 0)
        return std::nullopt;
    return PersonRole(index);
}

bool holdsByContract(PersonRole role)
{
    return role == PersonRole::Conduttore || role == PersonRole::Comodatario;
}

} // namespace PersonRoles

} // namespace veltra
