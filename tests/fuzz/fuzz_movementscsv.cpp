// The interchange CSV of movements: any bytes are refused whole or read into movements
// with positive amounts on named accounts, whose CSV reads back to the same CSV.

#include "fuzzcheck.h"

#include "core/accounts/movementscsv.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MovementsCsv::Result result = MovementsCsv::read(fuzz::inputBytes(data, size));
    if (!result.ok) {
        fuzz::require(!result.problem.isEmpty(), "a refused file says why");
        return 0;
    }
    for (const AccountMovement &movement : result.accounts.movements()) {
        fuzz::require(movement.cents > 0, "every amount is positive");
        fuzz::require(movement.account >= 1 && movement.account <= result.accounts.accounts.size(),
                      "every movement is on a named account");
    }
    const QByteArray written = MovementsCsv::write(result.accounts);
    const MovementsCsv::Result again = MovementsCsv::read(written);
    fuzz::require(again.ok, "a CSV written out reads again", again.problem);
    fuzz::require(MovementsCsv::write(again.accounts) == written, "a CSV written out reads back the same");
    return 0;
}
