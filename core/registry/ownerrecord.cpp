#include "core/registry/ownerrecord.h"

namespace veltra {

bool OwnerRecord::isEmpty() const
{
    return persons.isEmpty() && units.isEmpty() && changes.isEmpty()
        && !lastCommunication.isValid();
}

bool OwnerRecord::operator==(const OwnerRecord &other) const
{
    return persons == other.persons && units == other.units && changes == other.changes
        && lastCommunication == other.lastCommunication;
}

} // namespace veltra
