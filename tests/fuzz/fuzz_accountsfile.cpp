// The register of movements: any bytes are refused whole or read into accounts and
// movements, every movement on an account of the register with a positive amount, that
// write out and read back byte for byte.

#include "fuzzcheck.h"

#include "core/accounts/accountsfile.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const AccountsFile::LoadResult result = AccountsFile::read(fuzz::inputBytes(data, size));
    if (!result.isComplete()) {
        fuzz::require(result.accounts.movements().isEmpty(), "a refused register gives no movements");
        return 0;
    }
    for (const AccountMovement &movement : result.accounts.movements()) {
        fuzz::require(movement.account >= 1 && movement.account <= result.accounts.accounts.size(),
                      "every movement is on an account of the register");
        fuzz::require(movement.cents > 0, "every amount is positive");
    }
    const QByteArray written = AccountsFile::bytes(result.accounts);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0; // a text the notation cannot carry, or one that reads back as UTF-8
    const AccountsFile::LoadResult again = AccountsFile::read(written);
    fuzz::require(again.isComplete(), "a register written out reads again", again.problem);
    fuzz::require(AccountsFile::bytes(again.accounts) == written, "a register written out reads back the same");
    return 0;
}
