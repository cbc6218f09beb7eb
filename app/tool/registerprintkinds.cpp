#include "registerprintkinds.h"

#include "registerloader.h"
#include "stampacommand.h"

#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/datarequestprintout.h"
#include "reports/registry/privacynoticeprintout.h"
#include "reports/registry/registerprintout.h"

#include <QDate>

namespace veltra::RegisterPrintKinds {

namespace {

int richiestaDati(const StampaCommand &command, const QStringList &arguments,
                  ReportDocument &document, QTextStream &err)
{
    bool number = arguments.size() == 1;
    const int owner = arguments.size() == 2 ? arguments.at(1).toInt(&number) : 0;
    if (arguments.isEmpty() || arguments.size() > 2 || !number || owner < 0 || owner > MaxOwners) {
        err << "veltra-tool: uso: veltra-tool stampa richiesta-dati FILE [N] -o OUT\n";
        return ExitBadArguments;
    }
    SharedState state;
    const int loaded = RegisterLoader::load(QStringLiteral("stampa"), arguments.first(), state, err);
    if (loaded != ExitSuccess)
        return loaded;
    if (owner > 0 && state.owner(owner).ownerName.isEmpty()) {
        err << "veltra-tool: il condomino n. " << owner << " non è nell'archivio\n";
        return ExitDataRejected;
    }
    state.administrator = command.administrator();
    document = DataRequestPrintout::build(state, owner, QDate::currentDate());
    if (document.ownerLetters().isEmpty()) {
        err << "veltra-tool: nessuna lettera: l'anagrafe "
            << (owner > 0 ? QStringLiteral("di questo condomino") : QStringLiteral("dei condomini"))
            << " è completa\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

} // namespace

void addTo(StampaCommand &command)
{
    command.addFileKind(QStringLiteral("anagrafe"),
                        [](const QString &file, ReportDocument &document, QTextStream &err) {
                            SharedState state;
                            const int loaded = RegisterLoader::load(QStringLiteral("stampa"), file, state, err);
                            if (loaded == ExitSuccess)
                                document = RegisterPrintout::build(state, QDate::currentDate());
                            return loaded;
                        });
    command.addKind(QStringLiteral("richiesta-dati"), QStringLiteral("FILE [N]"),
                    [&command](const QStringList &arguments, ReportDocument &document,
                               QTextStream &err) {
                        return richiestaDati(command, arguments, document, err);
                    });
    command.addFileKind(QStringLiteral("informativa"),
                        [&command](const QString &file, ReportDocument &document, QTextStream &err) {
                            SharedState state;
                            const int loaded = RegisterLoader::load(QStringLiteral("stampa"), file, state, err);
                            state.administrator = command.administrator();
                            if (loaded == ExitSuccess)
                                document = PrivacyNoticePrintout::build(state);
                            return loaded;
                        });
}

} // namespace veltra::RegisterPrintKinds
