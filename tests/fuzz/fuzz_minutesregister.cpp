// The register of minutes: any bytes are refused whole or read into entries numbered from
// 1, each correcting only an earlier one, that write out and read back byte for byte.

#include "fuzzcheck.h"

#include "core/meeting/minutesregister.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MinutesRegister::LoadResult result = MinutesRegister::read(fuzz::inputBytes(data, size));
    if (!result.isComplete()) {
        fuzz::require(result.entries.isEmpty(), "a refused register gives no entries");
        return 0;
    }
    for (int i = 0; i < result.entries.size(); ++i) {
        fuzz::require(result.entries.at(i).number == i + 1, "entries numbered from 1 in order");
        fuzz::require(result.entries.at(i).corrects <= i, "a correction names an earlier entry");
    }
    const QByteArray written = MinutesRegister::bytes(result.condoName, result.entries);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0; // a text the notation cannot carry, or one that reads back as UTF-8
    const MinutesRegister::LoadResult again = MinutesRegister::read(written);
    fuzz::require(again.isComplete(), "a register written out reads again", again.problem);
    fuzz::require(MinutesRegister::bytes(again.condoName, again.entries) == written,
                  "a register written out reads back the same");
    return 0;
}
