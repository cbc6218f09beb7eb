#include "referenceprintkind.h"

#include "registryloader.h"
#include "toolcommand.h"

#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/assembly/majoritiesprintout.h"
#include "reports/tenancy/tenantsplitprintout.h"

namespace veltra::ReferencePrintKind {

namespace {

// The condominium of "--dati DATI" into state, or nothing without arguments.
int readCondominium(const QString &kind, const QStringList &arguments, SharedState &state,
                    QTextStream &err)
{
    if (arguments.isEmpty())
        return ExitSuccess;
    if (arguments.size() == 2 && arguments.first() == QLatin1String("--dati"))
        return RegistryLoader::load(QStringLiteral("stampa"), {arguments.at(1)}, state, err);
    err << "veltra-tool: uso: veltra-tool stampa " << kind << ' ' << synopsis() << " -o OUT\n";
    return ExitBadArguments;
}

} // namespace

QString synopsis()
{
    return QStringLiteral("[--dati DATI]");
}

int buildMajorities(const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    SharedState state;
    const int read = readCondominium(QStringLiteral("maggioranze"), arguments, state, err);
    if (read != ExitSuccess)
        return read;
    const MajorityTable::Reading &table = MajorityTable::shipped();
    if (!table.isValid()) {
        err << "veltra-tool: " << MajorityTable::shippedPath() << ": " << table.error << "\n";
        return ExitUnreadableFile;
    }
    document = MajoritiesPrintout::build(state, table.majorities);
    return ExitSuccess;
}

int buildTenantSplit(const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    SharedState state;
    const int read = readCondominium(QStringLiteral("conduttore"), arguments, state, err);
    if (read == ExitSuccess)
        document = TenantSplitPrintout::build(state);
    return read;
}

} // namespace veltra::ReferencePrintKind
