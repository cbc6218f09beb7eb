#include "core/expenses/consumptionsummary.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/meterallocation.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

#include <memory>

namespace veltra {

namespace {

ConsumptionSummary::Item summaryItem(const SharedState &state, int k)
{
    ConsumptionSummary::Item item;
    item.k = k;
    item.description = state.item(k).expenseType;
    item.date = state.item(k).expenseDate;
    const MeterSplit split = splitByMeters(state, k);
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Owner &owner = state.owner(i);
        item.owners.append({owner.takesPart == 1, owner.meterReading, owner.readingEstimated == 1,
                            split.consumption.value(i), split.fixed.value(i)});
    }
    return item;
}

void takeOwners(const SharedState &state, ConsumptionSummary &summary)
{
    summary.condoName = state.condoName;
    summary.ownerNames.clear();
    summary.ownerAddresses.clear();
    for (int i = 1; i <= state.ownerCount; ++i) {
        summary.ownerNames << state.owner(i).ownerName;
        summary.ownerAddresses << state.owner(i).ownerAddress;
    }
}

} // namespace

std::optional<ConsumptionSummary> ConsumptionSummary::collect(const ItemPath &pathOf,
                                                              ManagementType type,
                                                              QString *problem)
{
    const bool withPayments = type == ManagementType::Spese;
    ConsumptionSummary summary;
    const auto state = std::make_unique<SharedState>();
    for (int k = 1; k <= MaxItems; ++k) {
        const std::optional<QString> path = pathOf(k);
        if (!path || !QFileInfo::exists(*path))
            break;
        const ExpenseArchive::LoadResult loaded = ExpenseArchive::load(*path, withPayments);
        if (!loaded.isComplete()) {
            if (problem)
                *problem = QString::fromUtf8("Il file \"%1\" non è stato letto: %2.")
                               .arg(QFileInfo(*path).fileName(), loaded.problem);
            return std::nullopt;
        }
        if (loaded.calcType != MeteredHeating)
            continue;
        MeterReadingsFile::LoadResult readings;
        if (const std::optional<QString> refusal =
                MeterReadingsFile::readBeside(*path, loaded, readings)) {
            if (problem)
                *problem = *refusal;
            return std::nullopt;
        }
        ExpenseArchive::apply(loaded, *state, k, withPayments);
        MeterReadingsFile::applyWithItem(loaded, readings, *state);
        summary.items.append(summaryItem(*state, k));
        takeOwners(*state, summary);
    }
    return summary;
}

} // namespace veltra
