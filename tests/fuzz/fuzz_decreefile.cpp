// The file of court decrees: any bytes are refused whole or read into decrees that carry
// every particular, and write out and read back byte for byte.

#include "fuzzcheck.h"

#include "core/meeting/decreefile.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DecreeFile::LoadResult result = DecreeFile::read(fuzz::inputBytes(data, size));
    if (!result.isComplete()) {
        fuzz::require(result.decrees.isEmpty(), "a refused file gives no decrees");
        return 0;
    }
    for (const CourtDecree &decree : result.decrees)
        fuzz::require(decree.date.isValid() && !decree.court.isEmpty() && !decree.particulars.isEmpty()
                          && !decree.administrator.isEmpty(),
                      "a decree read has its date, court, particulars and administrator");
    const QByteArray written = DecreeFile::bytes(result.condoName, result.decrees);
    if (written.isEmpty() || fuzz::readsAsUtf8(written))
        return 0; // a text the notation cannot carry, or one that reads back as UTF-8
    const DecreeFile::LoadResult again = DecreeFile::read(written);
    fuzz::require(again.isComplete(), "a file of decrees written out reads again", again.problem);
    fuzz::require(again.decrees == result.decrees, "a file of decrees written out reads back the same decrees");
    fuzz::require(DecreeFile::bytes(again.condoName, again.decrees) == written,
                  "a file of decrees written out reads back the same");
    return 0;
}
