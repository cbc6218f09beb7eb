#include "accountsprintkinds.h"

#include "accountsloader.h"
#include "stampacommand.h"

#include "core/accounts/accountsyear.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/accountsregisterprintout.h"
#include "reports/accounts/ownerstatementprintout.h"
#include "reports/document/reportdocument.h"

namespace veltra::AccountsPrintKinds {

namespace {

int estratto(const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    bool number = arguments.size() == 2;
    const int owner = number ? arguments.at(1).toInt(&number) : 0;
    if (!number || owner < 1 || owner > MaxOwners) {
        err << "veltra-tool: uso: veltra-tool stampa estratto REGISTRO N -o OUT\n";
        return ExitBadArguments;
    }
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(QStringLiteral("stampa"), arguments.first(), state, year, err))
        return loaded;
    if (state.owner(owner).ownerName.isEmpty()) {
        err << "veltra-tool: il condomino n. " << owner << " non è nell'archivio\n";
        return ExitDataRejected;
    }
    document = OwnerStatementPrintout::build(year.accounts(), year.series(), state, owner);
    return ExitSuccess;
}

} // namespace

void addTo(StampaCommand &command)
{
    command.addFileKind(QStringLiteral("registro"),
                        [](const QString &file, ReportDocument &document, QTextStream &err) {
                            SharedState state;
                            AccountsYear year;
                            const int loaded = AccountsLoader::load(QStringLiteral("stampa"), file, state, year, err);
                            if (loaded == ExitSuccess)
                                document = AccountsRegisterPrintout::build(year.accounts(), state);
                            return loaded;
                        });
    command.addKind(QStringLiteral("estratto"), QStringLiteral("REGISTRO N"), &estratto);
}

} // namespace veltra::AccountsPrintKinds
