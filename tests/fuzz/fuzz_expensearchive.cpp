// The file of one expense or budget item: any bytes are read as either kind of file; a
// file read completely is applied, saved, read back and saved to the same bytes, and then
// allocated by every criterion.

#include "fuzzcheck.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

using namespace veltra;

namespace {

constexpr int Item = 1;

void requireFixedPoint(SharedState &state, bool withPayments)
{
    QString error;
    const QByteArray saved = ExpenseArchive::toBytes(state, Item, withPayments, &error);
    fuzz::require(!saved.isEmpty(), "what was read can be saved", error);
    if (fuzz::readsAsUtf8(saved))
        return;
    const ExpenseArchive::LoadResult again = ExpenseArchive::fromBytes(saved, withPayments);
    fuzz::require(again.isComplete(), "a saved item reads back completely",
                  QString::fromLatin1(saved));
    fuzz::require(ExpenseArchive::apply(again, state, Item, withPayments),
                  "a complete item is applied");
    fuzz::require(ExpenseArchive::toBytes(state, Item, withPayments) == saved,
                  "saving is a fixed point", QString::fromLatin1(saved));
}

void requireSharesShown(const SharedState &state)
{
    for (int i = 1; i <= state.ownerCount; ++i) {
        const QString &share = state.owner(i).shareAmount;
        fuzz::require(NumberText::read(share).has_value() && reformatShare(share) == share,
                      "every share is an amount in euro", share);
    }
}

void requireCriterionInvariants(const SharedState &state, int criterion)
{
    if (criterion == HeatingByVolume || criterion == HeatingByRadiantSurface) {
        for (int i = 1; i <= state.ownerCount; ++i)
            fuzz::require(!state.owner(i).heatingQuantity.isEmpty(),
                          "no heating quantity is left empty");
    }
    if (criterion == PerConvenzione) {
        double total = 0;
        for (int i = 1; i <= state.ownerCount; ++i) {
            const Owner &owner = state.owner(i);
            total += owner.takesPart * NumberText::read(owner.fixedPercent).value_or(0);
        }
        fuzz::require(total <= 100, "the fixed percentages add up to 100 at most");
    }
}

void allocateByEveryCriterion(SharedState &state)
{
    for (int criterion = NoCriterion; criterion <= LastCriterion; ++criterion) {
        state.calcType = criterion;
        if (!allocateExpense(state, Item).computed)
            continue;
        requireSharesShown(state);
        requireCriterionInvariants(state, criterion);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    bool withPayments = true;
    ExpenseArchive::LoadResult loaded = ExpenseArchive::fromBytes(bytes, withPayments);
    if (!loaded.isComplete()) {
        withPayments = false;
        loaded = ExpenseArchive::fromBytes(bytes, withPayments);
    }
    fuzz::require(loaded.isComplete() || loaded.failedLine >= 1, "a failure names its line");
    if (!loaded.isComplete())
        return 0;

    // One state for every input (it holds 25 000 units): apply() empties the owners
    // beyond the file's count, and the payments are reset for a "preventivi" file.
    static SharedState state;
    for (int i = 1; i <= MaxOwners; ++i) {
        state.owner(i).paymentDate.clear();
        state.owner(i).reminderDate.clear();
    }
    fuzz::require(ExpenseArchive::apply(loaded, state, Item, withPayments),
                  "a complete item is applied");
    fuzz::require(state.ownerCount == loaded.owners.size(), "every owner read is applied");
    // Texts read from a UTF-8 file may hold characters the code page cannot carry; the
    // window then names the field instead of saving.
    if (ExpenseArchive::firstUnwritableField(state, Item, withPayments))
        return 0;
    requireFixedPoint(state, withPayments);
    allocateByEveryCriterion(state);
    return 0;
}
