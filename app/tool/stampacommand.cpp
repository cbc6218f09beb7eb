#include "stampacommand.h"

#include "expenseitemloader.h"
#include "registryloader.h"

#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/registry/dataformprintout.h"
#include "reports/expenses/expenseprintcheck.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "reports/registry/ownersheetsprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "reports/document/reportdocument.h"

#include <QDate>

namespace veltra {

namespace {

const char *const NothingToPrint = "veltra-tool: Attenzione: non vi sono dati da stampare.\n";

// The condominium printouts read the registry as the window holds it after opening: the
// tables recomputed from the units.
StampaCommand::Builder registryPrintout(
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
StampaCommand::Builder expensePrintout(const ExpenseRefusal &refusal, const ExpenseBuild &build)
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

} // namespace

StampaCommand::StampaCommand()
{
    addKind(QStringLiteral("modello"),
            [](const QString &file, ReportDocument &document, QTextStream &err) {
                SharedState state;
                const int loaded = RegistryLoader::load(QStringLiteral("stampa"), {file}, state, err);
                if (loaded == ExitSuccess)
                    document = DataFormPrintout::build();
                return loaded;
            });
    addKind(QStringLiteral("condomini"), registryPrintout([](const SharedState &state) {
                return OwnerSheetsPrintout::build(state, 0);
            }));
    addKind(QStringLiteral("millesimi"), registryPrintout(&MillesimalTablePrintout::build));
    addKind(QStringLiteral("completa"), registryPrintout(&CompletePrintout::build));
    addKind(QStringLiteral("spesa"),
            expensePrintout([](const SharedState &state,
                               ManagementType) { return ExpensePrintCheck::statementRefusal(state); },
                            &ExpenseStatementPrintout::build));
    addKind(QStringLiteral("avvisi"),
            expensePrintout(&ExpensePrintCheck::noticesRefusal,
                            [](const SharedState &state, int k, ManagementType) {
                                return PaymentNoticesPrintout::build(state, k, QDate::currentDate());
                            }));
}

QString StampaCommand::argumentsSynopsis() const
{
    return QStringList(m_kinds.keys()).join(QLatin1Char('|')) + QStringLiteral(" FILE -o OUT");
}

void StampaCommand::addKind(const QString &kind, const Builder &builder)
{
    m_kinds.insert(kind, builder);
}

int StampaCommand::run(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    if (arguments.size() != 4 || arguments.at(2) != QLatin1String("-o")
        || !m_kinds.contains(arguments.at(0))) {
        err << "veltra-tool: uso: veltra-tool stampa " << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    ReportDocument document;
    const int built = m_kinds.value(arguments.at(0))(arguments.at(1), document, err);
    if (built != ExitSuccess)
        return built;
    const QString &output = arguments.at(3);
    if (!document.saveAs(output)) {
        err << "veltra-tool: impossibile scrivere il documento \"" << output << "\"\n";
        return ExitUnreadableFile;
    }
    return ExitSuccess;
}

} // namespace veltra
