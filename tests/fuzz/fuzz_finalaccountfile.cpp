// What the rendiconto adds to a register: any bytes are refused whole or read into a note,
// funds (at least one) whose movements all point to a fund of the file, and bank balances,
// that write out and read back byte for byte.

#include "fuzzcheck.h"

#include "core/accounts/finalaccountfile.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FinalAccountFile::LoadResult result = FinalAccountFile::read(fuzz::inputBytes(data, size));
    const FinalAccountInputs &inputs = result.inputs;
    if (!result.isComplete()) {
        fuzz::require(inputs.funds.isEmpty() && inputs.note.facts.isEmpty(), "a refused file gives nothing");
        return 0;
    }
    fuzz::require(!inputs.funds.isEmpty(), "a file read whole has the special fund");
    for (auto it = inputs.fundOfMovement.constBegin(); it != inputs.fundOfMovement.constEnd(); ++it)
        fuzz::require(it.value() >= 1 && it.value() <= inputs.funds.size(), "every fund movement has its fund");
    const QByteArray written = FinalAccountFile::bytes(inputs);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0; // a text the notation cannot carry, or one that reads back as UTF-8
    const FinalAccountFile::LoadResult again = FinalAccountFile::read(written);
    fuzz::require(again.isComplete(), "a file written out reads again", again.problem);
    fuzz::require(FinalAccountFile::bytes(again.inputs) == written, "a file written out reads back the same");
    return 0;
}
