// The register's CSV from a spreadsheet: any bytes are imported for a condominium of three
// owners; a refused file says why and leaves the register as it was, a file taken gives
// its owners persons with a valid role and a codice fiscale that passes its check or none,
// and a register that can be saved.

#include "fuzzcheck.h"

#include "core/registry/registercsv.h"
#include "core/registry/registerfile.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static SharedState state;
    for (int i = 1; i <= 3; ++i) {
        state.owner(i).ownerName = QStringLiteral("Condomino %1").arg(i);
        state.owner(i).units[1].unitName = QStringLiteral("appartamento");
        state.owner(i).unitCount = 1;
    }
    state.ownerCount = 3;
    state.anagrafe.clear();
    const QByteArray before = RegisterFile::toBytes(state);
    const RegisterCsv::Result result = RegisterCsv::import(fuzz::inputBytes(data, size), state);
    if (!result.ok) {
        fuzz::require(!result.problem.isEmpty(), "a refusal says why");
        fuzz::require(RegisterFile::toBytes(state) == before, "a refused file changes nothing");
        return 0;
    }
    fuzz::require(!RegisterFile::toBytes(state).isEmpty(), "a register taken can be saved");
    for (int i = 1; i <= MaxOwners; ++i) {
        const OwnerRecord &record = state.anagrafe.record(i);
        fuzz::require(i <= 3 || record.isEmpty(), "only owners of the archive get a record");
        for (const RegisterPerson &person : record.persons) {
            fuzz::require(!person.surname.isEmpty(), "every person has a name");
            fuzz::require(person.fiscalCode.isEmpty() || TaxCode::isFiscalCode(person.fiscalCode),
                          "every codice fiscale passes its check", person.fiscalCode);
        }
        for (auto unit = record.units.cbegin(); unit != record.units.cend(); ++unit)
            fuzz::require(unit.key() == 1, "only units of the archive get cadastral data");
    }
    return 0;
}
