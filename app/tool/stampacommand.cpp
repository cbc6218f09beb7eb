#include "stampacommand.h"

#include "convocazioneprintkind.h"
#include "expenseitemloader.h"
#include "registryloader.h"

#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/assembly/majoritiesprintout.h"
#include "reports/registry/completeprintout.h"
#include "reports/registry/dataformprintout.h"
#include "reports/expenses/expenseprintcheck.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "reports/registry/ownersheetsprintout.h"
#include "reports/tenancy/tenantsplitprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "reports/document/reportdocument.h"

#include <QDate>

namespace veltra {

namespace {

const char *const NothingToPrint = "veltra-tool: Attenzione: non vi sono dati da stampare.\n";

// The condominium printouts read the registry as the window holds it after opening: the
// tables recomputed from the units.
StampaCommand::FileBuilder registryPrintout(
    const std::function<ReportDocument(const SharedState &)> &build)
{
    return [build](const QString &file, ReportDocument &document, QTextStream &err) {
        SharedState state;
        const int loaded = RegistryLoader::load(QStringLiteral("stampa"), {file}, state, err);
        if (loaded != ExitSuccess)
            return loaded;
        if (state.ownerCount == 0) {
            err << NothingToPrint;
            return int(ExitDataRejected);
        }
        recomputeTables(state);
        document = build(state);
        return int(ExitSuccess);
    };
}

using ExpenseRefusal = std::function<std::optional<ExpensePrintCheck::Refusal>(
    const SharedState &, ManagementType)>;
using ExpenseBuild = std::function<ReportDocument(const SharedState &, int k, ManagementType)>;

// The expense printouts read an item file as the expense window shows it after moving to
// the item, and refuse what the window refuses, with the window's message.
StampaCommand::FileBuilder expensePrintout(const ExpenseRefusal &refusal, const ExpenseBuild &build)
{
    return [refusal, build](const QString &file, ReportDocument &document, QTextStream &err) {
        SharedState state;
        ExpenseItemLoader::Item item;
        const int loaded = ExpenseItemLoader::load(file, state, item, err);
        if (loaded != ExitSuccess)
            return loaded;
        if (const auto refused = refusal(state, item.type)) {
            err << "veltra-tool: " << refused->text << "\n";
            return int(ExitDataRejected);
        }
        document = build(state, item.k, item.type);
        return int(ExitSuccess);
    };
}

// The reference printouts need no archive; with "--dati DATI" their heading names the
// condominium of that archive and its number of owners.
StampaCommand::Builder referencePrintout(
    const QString &kind, const std::function<int(const SharedState &, ReportDocument &,
                                                 QTextStream &)> &build)
{
    return [kind, build](const QStringList &arguments, ReportDocument &document,
                         QTextStream &err) {
        SharedState state;
        if (arguments.size() == 2 && arguments.first() == QLatin1String("--dati")) {
            const int loaded = RegistryLoader::load(QStringLiteral("stampa"), {arguments.at(1)},
                                                    state, err);
            if (loaded != ExitSuccess)
                return loaded;
        } else if (!arguments.isEmpty()) {
            err << "veltra-tool: uso: veltra-tool stampa " << kind << " [--dati DATI] -o OUT\n";
            return int(ExitBadArguments);
        }
        return build(state, document, err);
    };
}

int buildMajorities(const SharedState &state, ReportDocument &document, QTextStream &err)
{
    const MajorityTable::Reading &table = MajorityTable::shipped();
    if (!table.isValid()) {
        err << "veltra-tool: " << MajorityTable::shippedPath() << ": " << table.error << "\n";
        return ExitUnreadableFile;
    }
    document = MajoritiesPrintout::build(state, table.majorities);
    return ExitSuccess;
}

} // namespace

StampaCommand::StampaCommand()
{
    addFileKind(QStringLiteral("modello"),
            [](const QString &file, ReportDocument &document, QTextStream &err) {
                SharedState state;
                const int loaded = RegistryLoader::load(QStringLiteral("stampa"), {file}, state, err);
                if (loaded == ExitSuccess)
                    document = DataFormPrintout::build();
                return loaded;
            });
    addFileKind(QStringLiteral("condomini"), registryPrintout([](const SharedState &state) {
                return OwnerSheetsPrintout::build(state, 0);
            }));
    addFileKind(QStringLiteral("millesimi"), registryPrintout(&MillesimalTablePrintout::build));
    addFileKind(QStringLiteral("completa"), registryPrintout(&CompletePrintout::build));
    addFileKind(QStringLiteral("spesa"),
            expensePrintout([](const SharedState &state,
                               ManagementType) { return ExpensePrintCheck::statementRefusal(state); },
                            &ExpenseStatementPrintout::build));
    addFileKind(QStringLiteral("avvisi"),
            expensePrintout(&ExpensePrintCheck::noticesRefusal,
                            [](const SharedState &state, int k, ManagementType) {
                                return PaymentNoticesPrintout::build(state, k, QDate::currentDate());
                            }));
    addKind(QStringLiteral("convocazione"), ConvocazionePrintKind::synopsis(),
            &ConvocazionePrintKind::build);
    addKind(QStringLiteral("maggioranze"), QStringLiteral("[--dati DATI]"),
            referencePrintout(QStringLiteral("maggioranze"), &buildMajorities));
    addKind(QStringLiteral("conduttore"), QStringLiteral("[--dati DATI]"),
            referencePrintout(QStringLiteral("conduttore"),
                              [](const SharedState &state, ReportDocument &document,
                                 QTextStream &) {
                                  document = TenantSplitPrintout::build(state);
                                  return int(ExitSuccess);
                              }));
}

QString StampaCommand::argumentsSynopsis() const
{
    QStringList kinds;
    for (auto kind = m_kinds.cbegin(); kind != m_kinds.cend(); ++kind)
        kinds << kind.key() + QLatin1Char(' ') + kind->synopsis;
    return QStringLiteral("{") + kinds.join(QStringLiteral(" | ")) + QStringLiteral("} -o OUT");
}

void StampaCommand::addKind(const QString &kind, const QString &synopsis, const Builder &builder)
{
    m_kinds.insert(kind, {synopsis, builder});
}

void StampaCommand::addFileKind(const QString &kind, const FileBuilder &builder)
{
    addKind(kind, QStringLiteral("FILE"),
            [kind, builder](const QStringList &arguments, ReportDocument &document,
                            QTextStream &err) {
                if (arguments.size() != 1) {
                    err << "veltra-tool: uso: veltra-tool stampa " << kind << " FILE -o OUT\n";
                    return int(ExitBadArguments);
                }
                return builder(arguments.first(), document, err);
            });
}

int StampaCommand::run(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    const int n = int(arguments.size());
    if (n < 3 || arguments.at(n - 2) != QLatin1String("-o") || !m_kinds.contains(arguments.at(0))) {
        err << "veltra-tool: uso: veltra-tool stampa " << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    ReportDocument document;
    const int built = m_kinds.value(arguments.at(0)).builder(arguments.mid(1, n - 3), document, err);
    if (built != ExitSuccess)
        return built;
    const QString &output = arguments.at(n - 1);
    if (!document.saveAs(output)) {
        err << "veltra-tool: impossibile scrivere il documento \"" << output << "\"\n";
        return ExitUnreadableFile;
    }
    return ExitSuccess;
}

} // namespace veltra
