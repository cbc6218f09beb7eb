#pragma once

#include <QString>

namespace veltra {

// Which series the expense window works on: the yearly budget or the actual expenses.
// Only the actual expenses carry the payments line of every owner.
enum class ManagementType { None, Preventivi, Spese };

// "preventivi", "spese", or an empty text when none is chosen.
inline QString managementTypeText(ManagementType type)
{
    switch (type) {
    case ManagementType::Preventivi:
        return QStringLiteral("preventivi");
    case ManagementType::Spese:
        return QStringLiteral("spese");
    case ManagementType::None:
        break;
    }
    return QString();
}

} // namespace veltra
