// The readings CSV of a heat-accounting firm: any bytes are read for an item of 12 owners;
// a file taken is taken whole, every row an owner of the item once, with a reading that is
// a number not below zero, and applying it gives exactly those owners a reading.

#include "fuzzcheck.h"

#include "core/expenses/meterreadingscsv.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QSet>

using namespace veltra;

namespace {

constexpr int Owners = 12;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MeterReadingsCsv::Result result =
        MeterReadingsCsv::parse(fuzz::inputBytes(data, size), Owners);
    if (!result.ok) {
        fuzz::require(!result.problem.isEmpty(), "a refusal says why");
        return 0;
    }
    QSet<int> owners;
    for (const MeterReadingsCsv::Row &row : result.rows) {
        fuzz::require(row.owner >= 1 && row.owner <= Owners, "every row is an owner of the item");
        fuzz::require(!owners.contains(row.owner), "no owner has two readings");
        owners.insert(row.owner);
        const std::optional<double> reading = NumberText::read(row.reading);
        fuzz::require(reading && *reading >= 0, "every reading is a number not below zero",
                      row.reading);
    }
    static SharedState state;
    state.ownerCount = Owners;
    for (int i = 1; i <= Owners; ++i)
        state.owner(i).meterReading = QStringLiteral("stale");
    MeterReadingsCsv::apply(result, state);
    for (int i = 1; i <= Owners; ++i)
        fuzz::require(state.owner(i).meterReading.isEmpty() != owners.contains(i),
                      "exactly the owners of the file have a reading");
    return 0;
}
