#include "core/expenses/itemmillesimi.h"

#include "core/expenses/expenseallocation.h"
#include "core/numbers/numberscan.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <cmath>

namespace veltra {

namespace {

int ownerLimit(const SharedState &state)
{
    return std::clamp(state.ownerCount, 0, MaxOwners);
}

double numberOf(const Cell &cell)
{
    return cell.isNumber() ? cell.toNumber() : NumberScan::readComma(cell.toText()).value_or(0.0);
}

double numberOf(const QString &text)
{
    return NumberScan::readComma(text).value_or(0.0);
}

bool hasUnits(const SharedState &state)
{
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        if (state.owner(i).unitCount > 0)
            return true;
    }
    return false;
}

// Figures that print alike are alike: millesimi carry three decimals, heating quantities one.
bool same(double a, double b, double half)
{
    return std::fabs(a - b) < half;
}

} // namespace

bool ItemMillesimi::Figures::operator==(const Figures &other) const
{
    return same(property, other.property, 0.0005) && same(floor, other.floor, 0.0005)
        && same(heating, other.heating, 0.05);
}

void ItemMillesimi::record(const SharedState &state)
{
    m_property.clear();
    for (int i = 1, n = ownerLimit(state); i <= n; ++i)
        m_property.append(state.owner(i).ownerMillesimi);
}

QList<ItemMillesimi::Figures> ItemMillesimi::figures(const SharedState &state)
{
    QList<Figures> list;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        list.append({numberOf(owner.ownerMillesimi), numberOf(owner.floorMillesimi),
                     numberOf(owner.heatingQuantity)});
    }
    return list;
}

// An owner added in the condominium window since the item was recorded has no millesimi
// of the item to get back.
void ItemMillesimi::restore(SharedState &state) const
{
    for (int i = 1, n = std::min(ownerLimit(state), int(m_property.size())); i <= n; ++i)
        state.owner(i).ownerMillesimi = m_property[i - 1];
}

std::optional<int> ItemMillesimi::compareWithRegistry(SharedState &state, int k)
{
    m_offered.clear();
    m_offeredProperty.clear();
    // Owners read from an expense file alone have no units: there is no registry to offer.
    if (!hasUnits(state) || !recomputeTables(state)) {
        restore(state);
        return std::nullopt;
    }
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        m_offeredProperty.append(owner.ownerMillesimi);
        m_offered.append({owner.ownerMillesimi.toNumber(),
                          numberOf(registryFloorMillesimi(owner)),
                          registryHeatingQuantity(owner)});
    }
    restore(state);
    const QList<Figures> item = figures(state);
    if (m_declined.value(k) == m_offered)
        return std::nullopt;
    for (int i = 0; i < m_offered.size(); ++i) {
        if (!(m_offered[i] == item[i]))
            return i + 1;
    }
    return std::nullopt;
}

void ItemMillesimi::takeRegistry(SharedState &state)
{
    for (int i = 1, n = std::min(ownerLimit(state), int(m_offeredProperty.size())); i <= n; ++i)
        state.owner(i).ownerMillesimi = m_offeredProperty[i - 1];
    initExpenseInputs(state);
    record(state);
}

} // namespace veltra
