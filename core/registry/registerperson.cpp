#include "core/registry/registerperson.h"

#include <tuple>

namespace veltra {

namespace {

auto fields(const RegisterPerson &p)
{
    return std::tie(p.role, p.share, p.surname, p.givenName, p.fiscalCode, p.birthDate,
                    p.residence, p.pec, p.email, p.phone, p.iban, p.channel, p.consentDate,
                    p.contractStart, p.contractRegistered);
}

} // namespace

QString RegisterPerson::fullName() const
{
    return givenName.isEmpty() ? surname : surname + QLatin1Char(' ') + givenName;
}

bool RegisterPerson::operator==(const RegisterPerson &other) const
{
    return fields(*this) == fields(other);
}

} // namespace veltra
