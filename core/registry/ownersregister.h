#pragma once

#include "core/registry/ownerrecord.h"
#include "core/registry/safetyitem.h"

#include <QString>
#include <QVector>

#include <array>
#include <memory>

namespace veltra {

// The owners' register of the condominium: a record for each owner of the registry, under
// the owner's number, and the safety list of the common parts. The records follow their
// owners when the registry deletes or copies one, so that no record ever passes to another
// person. Each record's text is kept beside it, for the condominium window's edit history.
class OwnersRegister
{
public:
    static constexpr int Owners = 500;

    OwnersRegister();

    const OwnerRecord &record(int i) const { return (*m_records)[i]; }
    void setRecord(int i, OwnerRecord record);
    // RecordNotation::text of record i, kept up to date.
    const QString &recordText(int i) const { return (*m_texts)[i]; }

    // Owner o was deleted: the records of owners o + 1 to last move one number down.
    void removeOwner(int o, int last);
    // Unit u of owner i was deleted: the cadastral data of his later units move up.
    void removeUnit(int i, int u);
    // Owner o became a copy of owner o - 1: he takes the same persons, not the units.
    void copyPreviousOwner(int o);
    void clear();
    bool isEmpty() const;

    QVector<SafetyItem> safety;
    // The register's file that could not be read when the condominium was opened: saving
    // the condominium must not put an empty register in its place.
    QString refusedFile;

private:
    std::unique_ptr<std::array<OwnerRecord, Owners + 1>> m_records;
    std::unique_ptr<std::array<QString, Owners + 1>> m_texts;
};

} // namespace veltra
