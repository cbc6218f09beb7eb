#include "core/registry/cadastralunit.h"

#include <tuple>

namespace veltra {

namespace {

auto fields(const CadastralUnit &u)
{
    return std::tie(u.comune, u.sezione, u.foglio, u.particella, u.subalterno, u.categoria,
                    u.classe, u.renditaCents);
}

} // namespace

bool CadastralUnit::isEmpty() const
{
    return *this == CadastralUnit();
}

bool CadastralUnit::operator==(const CadastralUnit &other) const
{
    return fields(*this) == fields(other);
}

} // namespace veltra
