// The owners' register file: any bytes are read; a file read whole names its owners in
// increasing number, and what it holds, put into a state and written again, reads back the
// same, so that a save never changes a register it did not edit.

#include "fuzzcheck.h"

#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const RegisterFile::LoadResult read = RegisterFile::fromBytes(bytes);
    if (!read.isComplete()) {
        fuzz::require(!read.problem.isEmpty(), "a refusal says why");
        return 0;
    }
    int previous = 0;
    for (auto owner = read.ownerNames.cbegin(); owner != read.ownerNames.cend(); ++owner) {
        fuzz::require(owner.key() > previous && owner.key() <= MaxOwners, "owners in number order");
        previous = owner.key();
    }
    static SharedState state;
    state.condoName = read.condoName;
    for (int i = 1; i <= MaxOwners; ++i)
        state.owner(i).ownerName = read.ownerNames.value(i);
    RegisterFile::apply(read, state);
    QString error;
    const QByteArray written = RegisterFile::toBytes(state, &error);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0;
    const RegisterFile::LoadResult again = RegisterFile::fromBytes(written);
    fuzz::require(again.isComplete(), "the register written reads back", again.problem);
    fuzz::require(RegisterFile::toBytes(state) == written, "writing is repeatable");
    for (auto record = read.records.cbegin(); record != read.records.cend(); ++record)
        fuzz::require(again.records.value(record.key()) == record.value(),
                      "every record reads back the same", QString::number(record.key()));
    fuzz::require(again.safety == read.safety, "the safety list reads back the same");
    return 0;
}
