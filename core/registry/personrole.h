#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// The titles by which a person appears in the owners' register: the owners themselves and
// everyone holding a real or personal right of enjoyment of a unit.
enum class PersonRole {
    Proprietario,
    Comproprietario,
    Usufruttuario,
    NudoProprietario,
    DirittoUsoAbitazione,
    Conduttore,
    Comodatario,
};

namespace PersonRoles {

// The role as the register, its printouts and its CSV write it: "proprietario", …
QString name(PersonRole role);
// Every role's name, in the order of the enumeration.
QStringList names();
std::optional<PersonRole> fromName(const QString &name);
// Tenants and borrowers hold the unit by a contract, whose dates the register keeps.
bool holdsByContract(PersonRole role);

} // namespace PersonRoles

} // namespace veltra
