#include "core/registry/ownersregister.h"

#include "core/registry/recordnotation.h"

#include <utility>

namespace veltra {

OwnersRegister::OwnersRegister()
    : m_records(std::make_unique<std::array<OwnerRecord, Owners + 1>>())
    , m_texts(std::make_unique<std::array<QString, Owners + 1>>())
{
}

void OwnersRegister::setRecord(int i, OwnerRecord record)
{
    (*m_texts)[i] = RecordNotation::text(record);
    (*m_records)[i] = std::move(record);
}

void OwnersRegister::removeOwner(int o, int last)
{
    for (int k = o; k < last && k < Owners; ++k) {
        (*m_records)[k] = std::move((*m_records)[k + 1]);
        (*m_texts)[k] = std::move((*m_texts)[k + 1]);
    }
    setRecord(std::min(last, Owners), OwnerRecord());
}

void OwnersRegister::removeUnit(int i, int u)
{
    OwnerRecord changed = record(i);
    QMap<int, CadastralUnit> units;
    for (auto unit = changed.units.cbegin(); unit != changed.units.cend(); ++unit) {
        if (unit.key() != u)
            units.insert(unit.key() > u ? unit.key() - 1 : unit.key(), unit.value());
    }
    changed.units = units;
    setRecord(i, changed);
}

void OwnersRegister::copyPreviousOwner(int o)
{
    OwnerRecord copy;
    copy.persons = record(o - 1).persons;
    setRecord(o, copy);
}

void OwnersRegister::clear()
{
    for (int i = 0; i <= Owners; ++i)
        setRecord(i, OwnerRecord());
    safety.clear();
}

bool OwnersRegister::isEmpty() const
{
    if (!safety.isEmpty())
        return false;
    for (const OwnerRecord &record : *m_records) {
        if (!record.isEmpty())
            return false;
    }
    return true;
}

} // namespace veltra
