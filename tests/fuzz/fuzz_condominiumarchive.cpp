// The condominium archive as users bring it: any bytes are read, applied and saved; a
// saved archive reads back completely and saves to the same bytes.

#include "fuzzcheck.h"

#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"

using namespace veltra;

namespace {

// One state for every input (it holds 25 000 units); what apply() leaves alone is reset.
SharedState &freshState()
{
    static SharedState state;
    for (int i = 1; i <= MaxOwners; ++i)
        state.owner(i).ownerMillesimi = Cell();
    state.heatingBasis = 0;
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CondominiumArchive::LoadResult first = CondominiumArchive::fromBytes(
        fuzz::inputBytes(data, size));
    fuzz::require(first.opened, "bytes are always read");
    fuzz::require(first.isComplete() || first.failedLine >= 1, "a failure names its line");
    fuzz::require(first.owners.size() <= MaxOwners, "at most 500 owners");
    for (const CondominiumArchive::OwnerRecord &owner : first.owners)
        fuzz::require(owner.units.size() <= MaxUnits, "at most 50 units per owner");

    SharedState &state = freshState();
    CondominiumArchive::apply(first, state);
    fuzz::require(state.ownerCount == first.owners.size(), "every owner read is applied");
    // Texts read from a UTF-8 file may hold characters the code page cannot carry; the
    // window then names the field instead of saving.
    if (CondominiumArchive::firstUnwritableField(state))
        return 0;

    QString error;
    const QByteArray saved = CondominiumArchive::toBytes(state, &error);
    fuzz::require(!saved.isEmpty(), "what was read can be saved", error);
    if (fuzz::readsAsUtf8(saved))
        return 0;

    const CondominiumArchive::LoadResult again = CondominiumArchive::fromBytes(saved);
    fuzz::require(again.isComplete(), "a saved archive reads back completely",
                  QString::fromLatin1(saved));
    CondominiumArchive::apply(again, freshState());
    fuzz::require(CondominiumArchive::toBytes(state) == saved, "saving is a fixed point",
                  QString::fromLatin1(saved));
    return 0;
}
