#pragma once

#include "core/state/cell.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The property millesimi an expense item is allocated by. They live in the same cells as the
// registry's, which the condominium window recomputes after every change of a unit: the
// expense window keeps the item's own here, so that an item shown is allocated again only
// when the user chooses to bring the registry's millesimi in.
class ItemMillesimi
{
public:
    // Takes the item's property millesimi of owners 1..ownerCount as the state holds them.
    void record(const SharedState &state);

    // Recomputes the registry's tables from the units and compares them with what the item
    // is allocated by: property millesimi (thousandths), floor millesimi (thousandths) and
    // heating quantities (cubic or square metres). The item's own property millesimi are
    // back in the state afterwards. The first owner whose figures differ; nothing when they
    // agree, when the registry has no units or cannot be computed, or when the user already
    // declined these very figures for item k.
    std::optional<int> compareWithRegistry(SharedState &state, int k);

    // Item k keeps its own figures: the registry's just compared are not offered again for it.
    void declineRegistry(int k) { m_declined.insert(k, m_offered); }
    // The registry's figures just compared become the item's: its property millesimi, and
    // the floor millesimi and heating quantities taken from the units.
    void takeRegistry(SharedState &state);

    // Another series or none: what was declined for its items no longer holds.
    void forgetDeclined() { m_declined.clear(); }

private:
    struct Figures
    {
        double property = 0;
        double floor = 0;
        double heating = 0;
        bool operator==(const Figures &other) const;
    };

    static QList<Figures> figures(const SharedState &state);
    void restore(SharedState &state) const;

    QList<Cell> m_property;         // the item's, owners 1..N when recorded
    QList<Cell> m_offeredProperty;  // the registry's, as last compared
    QList<Figures> m_offered;
    QHash<int, QList<Figures>> m_declined; // by item number
};

} // namespace veltra
