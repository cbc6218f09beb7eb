// The readings file beside an item allocated by heat meters: any bytes are read; a file
// read completely is applied to owners of the same names, saved to the same bytes, and
// allocated by criterion 7, whose shares then add up to the amount whenever both parts
// have something to weigh them by.

#include "fuzzcheck.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/meterallocation.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/state/sharedstate.h"

using namespace veltra;

namespace {

constexpr int Item = 1;

void takeOwners(const MeterReadingsFile::LoadResult &read, SharedState &state)
{
    state.condoName = read.condoName;
    state.ownerCount = int(read.owners.size());
    for (int i = 1; i <= state.ownerCount; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = read.owners.at(i - 1).ownerName;
        owner.takesPart = i % 3 == 0 ? 0 : 1;
        owner.ownerMillesimi = Cell::fromNumber(i);
        owner.heatingQuantity = Cell::fromNumber(2 * i);
    }
}

void requireSharesAddUp(SharedState &state)
{
    state.item(Item).expenseAmount = QStringLiteral("1.234,57");
    state.calcType = MeteredHeating;
    allocateExpense(state, Item);
    const MeterSplit split = splitByMeters(state, Item);
    Money total;
    for (int i = 1; i <= state.ownerCount; ++i) {
        total = total + split.shareOf(i);
        fuzz::require(state.owner(i).shareAmount == split.shareOf(i).format(),
                      "the shown share is the split's");
    }
    if (split.readingTotal > 0 && (split.basisTotal > 0 || split.fixedPart.cents() == 0))
        fuzz::require(total == split.amount, "the shares add up to the amount",
                      total.format());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const MeterReadingsFile::LoadResult read = MeterReadingsFile::fromBytes(bytes);
    fuzz::require(read.isComplete() || read.failedLine >= 1, "a failure names its line");
    if (!read.isComplete())
        return 0;
    static SharedState state;
    MeterReadingsFile::clear(state);
    takeOwners(read, state);
    MeterReadingsFile::apply(read, state);
    QString error;
    const QByteArray saved = MeterReadingsFile::toBytes(state, &error);
    // Texts read from a UTF-8 file may hold characters the code page cannot carry.
    if (saved.isEmpty())
        return 0;
    if (!fuzz::readsAsUtf8(saved)) {
        const MeterReadingsFile::LoadResult again = MeterReadingsFile::fromBytes(saved);
        fuzz::require(again.isComplete(), "saved readings read back", QString::fromLatin1(saved));
        fuzz::require(again.parameters == read.parameters, "the parameters come back");
        SharedState copy;
        takeOwners(again, copy);
        MeterReadingsFile::apply(again, copy);
        fuzz::require(MeterReadingsFile::toBytes(copy) == saved, "saving is a fixed point");
    }
    requireSharesAddUp(state);
    return 0;
}
