#include "ripartiscicommand.h"

#include "expenseitemloader.h"
#include "meterreadingsimport.h"
#include "toolcommand.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/spesecheck.h"
#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"

#include <optional>

namespace veltra {

namespace {

const QStringList BasisNames = {QStringLiteral("proprieta"), QStringLiteral("riscaldamento"),
                                QStringLiteral("fabbisogno")};

struct MeterOptions
{
    QString readings;
    QString percent = MeterParameters().consumptionPercent;
    int basis = int(MeterBasis::Property);
};

// The options after FILE; nothing, after a line on err, when they are not understood.
std::optional<std::optional<MeterOptions>> readOptions(const QStringList &options,
                                                       QTextStream &err)
{
    if (options.isEmpty())
        return std::optional<MeterOptions>();
    MeterOptions meters;
    for (int i = 0; i + 1 < options.size(); i += 2) {
        const QString &option = options.at(i);
        const QString &value = options.at(i + 1);
        if (option == QLatin1String("--letture")) {
            meters.readings = value;
        } else if (option == QLatin1String("--consumo")) {
            meters.percent = value;
        } else if (option == QLatin1String("--base") && BasisNames.contains(value)) {
            meters.basis = int(BasisNames.indexOf(value)) + 1;
        } else {
            err << "veltra-tool: opzione non riconosciuta \"" << option << ' ' << value << "\"\n";
            return std::nullopt;
        }
    }
    if (options.size() % 2 != 0 || meters.readings.isEmpty()) {
        err << "veltra-tool: con --consumo e --base serve --letture LETTURE.csv\n";
        return std::nullopt;
    }
    return std::optional<MeterOptions>(meters);
}

// The item allocated by heat meters with the firm's readings, refused as the window's check
// refuses it.
int allocateByMeters(SharedState &state, int k, ManagementType type, const MeterOptions &meters,
                     QTextStream &err)
{
    state.calcType = MeteredHeating;
    state.meterParameters = MeterParameters{meters.percent, meters.basis};
    const int imported = MeterReadingsImport::apply(meters.readings, state, err);
    if (imported != ExitSuccess)
        return imported;
    allocateExpense(state, k);
    const SpeseCheck::Finding finding =
        SpeseCheck::check(state, k, SpeseCheck::choicesOfItem(state, type));
    if (!finding.passed) {
        err << "veltra-tool: " << QString(finding.text).replace(QLatin1Char('\n'), QLatin1Char(' '))
            << "\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

} // namespace

void RipartisciCommand::printShares(const SharedState &state, QTextStream &out)
{
    out << OwnerTableCsv::row({QStringLiteral("n."), QStringLiteral("nome"),
                               QStringLiteral("ripartizione spese")});
    for (int i = 1; i <= state.ownerCount; ++i) {
        const Owner &owner = state.owner(i);
        out << OwnerTableCsv::row({QString::number(i), owner.ownerName, owner.shareAmount});
    }
}

int RipartisciCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--"))) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    const std::optional<std::optional<MeterOptions>> meters = readOptions(arguments.mid(1), err);
    if (!meters)
        return ExitBadArguments;
    SharedState state;
    state.initSharedStrings();
    ExpenseItemLoader::Item item;
    const int loaded = ExpenseItemLoader::load(arguments.first(), state, item, err);
    if (loaded != ExitSuccess)
        return loaded;
    if (*meters) {
        const int allocated = allocateByMeters(state, item.k, item.type, **meters, err);
        if (allocated != ExitSuccess)
            return allocated;
    }
    printShares(state, out);
    return ExitSuccess;
}

} // namespace veltra
