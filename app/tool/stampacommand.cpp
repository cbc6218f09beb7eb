#include "stampacommand.h"

#include "accountsprintkinds.h"
#include "convocazioneprintkind.h"
#include "expenseitemloader.h"
#include "finalaccountprintkinds.h"
#include "guidaprintout.h"
#include "libraryprintkinds.h"
#include "meetingprintkinds.h"
#include "paymentprintkinds.h"
#include "registerprintkinds.h"
#include "perowneroutput.h"
#include "referenceprintkind.h"
#include "registryloader.h"

#include "core/expenses/consumptionsummary.h"
#include "core/expenses/spesecheck.h"
#include "core/registry/administratorfile.h"
#include "core/registry/condominiumcheck.h"
#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/registry/dataformprintout.h"
#include "reports/expenses/consumptionsummaryprintout.h"
#include "reports/expenses/expenseprintcheck.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "reports/registry/ownersheetsprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "reports/document/reportdocument.h"

#include <QDate>
#include <QFileInfo>

namespace veltra {

namespace {

const char *const NothingToPrint = "veltra-tool: Attenzione: non vi sono dati da stampare.\n";

// The condominium printouts read the registry as the window holds it after opening: the
// tables recomputed from the units, once the data pass the window's check.
StampaCommand::FileBuilder registryPrintout(
    const PrintGate &gate, const std::function<ReportDocument(const SharedState &)> &build)
{
    return [&gate, build](const QString &file, ReportDocument &document, QTextStream &err) {
        SharedState state;
        const int loaded = RegistryLoader::load(QStringLiteral("stampa"), {file}, state, err);
        if (loaded != ExitSuccess)
            return loaded;
        if (state.ownerCount == 0) {
            err << NothingToPrint;
            return int(ExitDataRejected);
        }
        const int admitted =
            gate.admit(CondominiumCheck::printClearance(state, state.heatingBasis), err);
        if (admitted != ExitSuccess)
            return admitted;
        document = build(state);
        return int(ExitSuccess);
    };
}

using ExpenseRefusal = std::function<std::optional<ExpensePrintCheck::Refusal>(
    const SharedState &, ManagementType)>;
using ExpenseBuild = std::function<ReportDocument(const SharedState &, int k, ManagementType)>;

// The expense printouts read an item file as the expense window shows it after moving to
// the item, and refuse what the window refuses, with the window's message.
StampaCommand::FileBuilder expensePrintout(const StampaCommand &command,
                                           const ExpenseRefusal &refusal, const ExpenseBuild &build)
{
    return [&command, refusal, build](const QString &file, ReportDocument &document,
                                      QTextStream &err) {
        const PrintGate &gate = command.gate();
        SharedState state;
        ExpenseItemLoader::Item item;
        const int loaded = ExpenseItemLoader::load(file, state, item, err);
        if (loaded != ExitSuccess)
            return loaded;
        state.administrator = command.administrator();
        if (const auto refused = refusal(state, item.type)) {
            err << "veltra-tool: " << refused->text << "\n";
            return int(ExitDataRejected);
        }
        const SpeseCheck::WindowChoices choices = SpeseCheck::choicesOfItem(state, item.type);
        const int admitted = gate.admit(SpeseCheck::printClearance(state, item.k, choices), err);
        if (admitted != ExitSuccess)
            return admitted;
        document = build(state, item.k, item.type);
        return int(ExitSuccess);
    };
}

// The season of the series FILE belongs to, read from the files beside it as the window's
// summary reads them.
int consumptionSummary(const StampaCommand &command, const QString &file, ReportDocument &document,
                       QTextStream &err)
{
    SharedState state;
    ExpenseItemLoader::Item item;
    const int loaded = ExpenseItemLoader::load(file, state, item, err);
    if (loaded != ExitSuccess)
        return loaded;
    QString problem;
    const std::optional<ConsumptionSummary> summary = ConsumptionSummary::collect(
        [&file](int k) { return std::optional<QString>(ExpenseItemLoader::siblingPath(file, k)); },
        item.type, &problem);
    if (!summary) {
        err << "veltra-tool: " << problem << "\n";
        return int(ExitUnreadableFile);
    }
    if (summary->items.isEmpty()) {
        err << "veltra-tool: " << ConsumptionSummaryPrintout::noHeatingItemsMessage() << "\n";
        return int(ExitDataRejected);
    }
    document = ConsumptionSummaryPrintout::build(*summary, command.administrator(),
                                                 QDate::currentDate());
    return int(ExitSuccess);
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
    addFileKind(QStringLiteral("condomini"), registryPrintout(m_gate, [](const SharedState &state) {
                return OwnerSheetsPrintout::build(state, 0);
            }));
    addFileKind(QStringLiteral("millesimi"), registryPrintout(m_gate, &MillesimalTablePrintout::build));
    addFileKind(QStringLiteral("completa"), registryPrintout(m_gate, &CompletePrintout::build));
    addFileKind(QStringLiteral("spesa"),
            expensePrintout(*this, [](const SharedState &state,
                               ManagementType) { return ExpensePrintCheck::statementRefusal(state); },
                            &ExpenseStatementPrintout::build));
    addFileKind(QStringLiteral("avvisi"),
            expensePrintout(*this, &ExpensePrintCheck::noticesRefusal,
                            [](const SharedState &state, int k, ManagementType) {
                                return PaymentNoticesPrintout::build(state, k, QDate::currentDate());
                            }));
    addFileKind(QStringLiteral("consumi"),
                [this](const QString &file, ReportDocument &document, QTextStream &err) {
                    return consumptionSummary(*this, file, document, err);
                });
    addKind(QStringLiteral("convocazione"), ConvocazionePrintKind::synopsis(),
            [this](const QStringList &arguments, ReportDocument &document, QTextStream &err) {
                return ConvocazionePrintKind::build(arguments, m_gate, m_administrator, document, err);
            });
    addKind(QStringLiteral("maggioranze"), ReferencePrintKind::synopsis(),
            &ReferencePrintKind::buildMajorities);
    addKind(QStringLiteral("conduttore"), ReferencePrintKind::synopsis(),
            &ReferencePrintKind::buildTenantSplit);
    LibraryPrintKinds::addTo(*this);
    addKind(QStringLiteral("guida"), GuidaPrintout::synopsis(), GuidaPrintout::builder());
    PaymentPrintKinds::addTo(*this);
    RegisterPrintKinds::addTo(*this);
    MeetingPrintKinds::addTo(*this);
    AccountsPrintKinds::addTo(*this);
    FinalAccountPrintKinds::addTo(*this);
}

QString StampaCommand::argumentsSynopsis() const
{
    QStringList kinds;
    for (auto kind = m_kinds.cbegin(); kind != m_kinds.cend(); ++kind)
        kinds << kind.key() + QLatin1Char(' ') + kind->synopsis;
    return QStringLiteral("{") + kinds.join(QStringLiteral(" | "))
        + QStringLiteral("} [--forza] [--amministratore FILE] {-o OUT | --per-condomino CARTELLA}");
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

int StampaCommand::run(const QStringList &given, QTextStream &out, QTextStream &err)
{
    QStringList arguments = given;
    m_gate.setForced(arguments.removeAll(QStringLiteral("--forza")) > 0);
    if (const int read = readAdministrator(arguments, err); read != ExitSuccess)
        return read;
    const int n = int(arguments.size());
    const QString destination = n >= 3 ? arguments.at(n - 2) : QString();
    const bool perOwner = destination == QLatin1String("--per-condomino");
    if ((destination != QLatin1String("-o") && !perOwner) || !m_kinds.contains(arguments.at(0))) {
        err << "veltra-tool: uso: veltra-tool stampa " << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    if (perOwner && !PerOwnerOutput::letterKinds().contains(arguments.at(0))) {
        err << "veltra-tool: --per-condomino vale solo per le lettere ai condomini: "
            << PerOwnerOutput::letterKinds().join(QStringLiteral(", ")) << "\n";
        return ExitBadArguments;
    }
    ReportDocument document;
    const int built = m_kinds.value(arguments.at(0)).builder(arguments.mid(1, n - 3), document, err);
    if (built != ExitSuccess)
        return built;
    const QString &output = arguments.at(n - 1);
    if (perOwner)
        return PerOwnerOutput::write(document, output, out, err);
    if (!document.saveAs(output)) {
        err << "veltra-tool: impossibile scrivere il documento \"" << output << "\"\n";
        return ExitUnreadableFile;
    }
    return ExitSuccess;
}

// "--amministratore FILE" names the details' file; without it they come from the user's
// configuration folder, where a missing file means none were ever typed.
int StampaCommand::readAdministrator(QStringList &arguments, QTextStream &err)
{
    QString path = AdministratorFile::defaultPath();
    const int option = int(arguments.indexOf(QStringLiteral("--amministratore")));
    if (option >= 0) {
        if (option + 1 >= arguments.size()) {
            err << "veltra-tool: uso: veltra-tool stampa " << argumentsSynopsis() << "\n";
            return ExitBadArguments;
        }
        path = arguments.at(option + 1);
        arguments.remove(option, 2);
        if (!QFileInfo::exists(path)) {
            err << "veltra-tool: il file dei dati dell'amministratore \"" << path << "\" non esiste\n";
            return ExitUnreadableFile;
        }
    }
    QString problem;
    const std::optional<AdministratorDetails> details = AdministratorFile::load(path, &problem);
    if (!details) {
        err << "veltra-tool: i dati dell'amministratore in \"" << path << "\" non si possono leggere: "
            << problem << "\n";
        return ExitUnreadableFile;
    }
    m_administrator = *details;
    return ExitSuccess;
}

} // namespace veltra
