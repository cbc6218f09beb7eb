#include "core/registry/registerchange.h"

namespace veltra {

bool RegisterChange::operator==(const RegisterChange &other) const
{
    return date == other.date && document == other.document
        && description == other.description && transfer == other.transfer;
}

} // namespace veltra
