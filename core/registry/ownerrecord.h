#pragma once

#include "core/registry/cadastralunit.h"
#include "core/registry/registerchange.h"
#include "core/registry/registerperson.h"

#include <QDate>
#include <QMap>
#include <QVector>

namespace veltra {

// What the owners' register holds for one owner of the registry: the persons holding his
// units, each unit's cadastral data by its number in the registry, the changes recorded and
// the date of his last communication.
struct OwnerRecord
{
    QVector<RegisterPerson> persons;
    QMap<int, CadastralUnit> units;
    QVector<RegisterChange> changes;
    QDate lastCommunication;

    bool isEmpty() const;
    bool operator==(const OwnerRecord &other) const;
    bool operator!=(const OwnerRecord &other) const { return !(*this == other); }
};

} // namespace veltra
