#include "finalaccountprintkinds.h"

#include "finalaccountloader.h"
#include "stampacommand.h"

#include "reports/accounts/arrearsprintout.h"
#include "reports/accounts/finalaccountprintout.h"
#include "reports/accounts/paymentcertificateprintout.h"
#include "reports/document/reportdocument.h"

#include <QDate>

namespace veltra::FinalAccountPrintKinds {

namespace {

// Reads the year and computes its figures; ExitSuccess only when they can be printed. The
// usage line names the kind, as in "stampa morosi".
int loadFigures(FinalAccountLoader &loader, const QString &kind, const QStringList &arguments, FinalAccount &figures,
                QTextStream &err)
{
    if (const int loaded = loader.load(QStringLiteral("stampa ") + kind, arguments, err))
        return loaded;
    figures = loader.figures();
    if (!figures.canPrint()) {
        err << "veltra-tool: " << FinalAccountPrintout::refusal(figures, false) << "\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

int rendiconto(const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    FinalAccountLoader loader;
    FinalAccount figures;
    if (const int loaded = loadFigures(loader, QStringLiteral("rendiconto"), arguments, figures, err))
        return loaded;
    document = FinalAccountPrintout::build(figures, loader.year().accounts(), loader.yearEnd().inputs().note,
                                           loader.state());
    return ExitSuccess;
}

int attestazione(const StampaCommand &command, const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    bool number = !arguments.isEmpty();
    const int owner = number ? arguments.first().toInt(&number) : 0;
    if (!number || owner < 1 || owner > MaxOwners) {
        err << "veltra-tool: uso: veltra-tool stampa attestazione N " << FinalAccountLoader::synopsis() << " -o OUT\n";
        return ExitBadArguments;
    }
    FinalAccountLoader loader;
    FinalAccount figures;
    if (const int loaded = loadFigures(loader, QStringLiteral("attestazione N"), arguments.mid(1), figures, err))
        return loaded;
    if (owner > loader.state().ownerCount || loader.state().owner(owner).ownerName.isEmpty()) {
        err << "veltra-tool: il condomino n. " << owner << " non è nell'archivio\n";
        return ExitDataRejected;
    }
    document = PaymentCertificatePrintout::build(figures, YearEnd::previousFigures(loader.year(), loader.state()),
                                                 loader.yearEnd().inputs().note, loader.state(),
                                                 command.administrator(), owner, QDate::currentDate());
    return ExitSuccess;
}

int morosi(const StampaCommand &command, const QStringList &arguments, ReportDocument &document, QTextStream &err)
{
    FinalAccountLoader loader;
    FinalAccount figures;
    if (const int loaded = loadFigures(loader, QStringLiteral("morosi"), arguments, figures, err))
        return loaded;
    document = ArrearsPrintout::build(figures, loader.state(), command.administrator(), QDate::currentDate());
    return ExitSuccess;
}

} // namespace

void addTo(StampaCommand &command)
{
    command.addKind(QStringLiteral("rendiconto"), FinalAccountLoader::synopsis(), &rendiconto);
    command.addKind(QStringLiteral("attestazione"), QStringLiteral("N ") + FinalAccountLoader::synopsis(),
                    [&command](const QStringList &arguments, ReportDocument &document, QTextStream &err) {
                        return attestazione(command, arguments, document, err);
                    });
    command.addKind(QStringLiteral("morosi"), FinalAccountLoader::synopsis(),
                    [&command](const QStringList &arguments, ReportDocument &document, QTextStream &err) {
                        return morosi(command, arguments, document, err);
                    });
}

} // namespace veltra::FinalAccountPrintKinds
