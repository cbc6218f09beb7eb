#include "core/registry/safetyitem.h"

namespace veltra {

bool SafetyItem::operator==(const SafetyItem &other) const
{
    return item == other.item && lastCheck == other.lastCheck && nextDue == other.nextDue
        && performer == other.performer && certificate == other.certificate;
}

} // namespace veltra
