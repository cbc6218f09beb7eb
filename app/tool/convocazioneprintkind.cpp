#include "convocazioneprintkind.h"

#include "noticeloader.h"
#include "printgate.h"
#include "registryloader.h"
#include "toolcommand.h"

#include "core/assembly/meetingnotice.h"
#include "core/assembly/noticecheck.h"
#include "core/state/sharedstate.h"
#include "reports/assembly/meetingnoticeprintout.h"

namespace veltra::ConvocazionePrintKind {

namespace {

struct Arguments
{
    QString notices;
    QString registry;
    int copies = 1;
};

// The notice file and the options, in any order; false when they do not make a command.
bool parse(const QStringList &arguments, Arguments &parsed)
{
    for (int a = 0; a < arguments.size(); ++a) {
        const QString &word = arguments.at(a);
        const bool hasValue = a + 1 < arguments.size();
        if (word == QLatin1String("--dati") && hasValue && parsed.registry.isEmpty()) {
            parsed.registry = arguments.at(++a);
        } else if (word == QLatin1String("--copie") && hasValue) {
            const QString copies = arguments.at(++a);
            if (copies != QLatin1String("1") && copies != QLatin1String("2"))
                return false;
            parsed.copies = copies.toInt();
        } else if (!word.startsWith(QLatin1String("--")) && parsed.notices.isEmpty()) {
            parsed.notices = word;
        } else {
            return false;
        }
    }
    return !parsed.notices.isEmpty() && !parsed.registry.isEmpty();
}

} // namespace

QString synopsis()
{
    return QStringLiteral("AVVISI --dati DATI [--copie 2]");
}

int build(const QStringList &arguments, const PrintGate &gate,
          const AdministratorDetails &administrator, ReportDocument &document,
          QTextStream &err)
{
    Arguments parsed;
    if (!parse(arguments, parsed)) {
        err << "veltra-tool: uso: veltra-tool stampa convocazione " << synopsis() << " -o OUT\n";
        return ExitBadArguments;
    }
    MeetingNotice notice;
    const int noticeLoaded = NoticeLoader::load(parsed.notices, notice, err);
    if (noticeLoaded != ExitSuccess)
        return noticeLoaded;
    SharedState state;
    const int registryLoaded =
        RegistryLoader::load(QStringLiteral("stampa convocazione"), {parsed.registry}, state, err);
    if (registryLoaded != ExitSuccess)
        return registryLoaded;
    state.administrator = administrator;
    if (const auto refusal = MeetingNoticePrintout::refusal(state)) {
        err << "veltra-tool: " << *refusal << "\n";
        return ExitDataRejected;
    }
    const int admitted = gate.admit(NoticeCheck::printClearance(notice), err);
    if (admitted != ExitSuccess)
        return admitted;
    document = MeetingNoticePrintout::build(state, notice, parsed.copies);
    return ExitSuccess;
}

} // namespace veltra::ConvocazionePrintKind
