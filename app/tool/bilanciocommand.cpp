#include "bilanciocommand.h"

#include "paymentprintkinds.h"
#include "paymentseriesloader.h"

#include "core/payments/balancesheet.h"
#include "core/registry/ownertablecsv.h"
#include "reports/payments/balanceprintout.h"

namespace veltra {

int BilancioCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1) {
        err << "veltra-tool: uso: veltra-tool " << name() << " FILE\n";
        return ExitBadArguments;
    }
    PaymentSeriesLoader loader;
    const int opened = PaymentPrintKinds::openPrintable(loader, arguments.first(), false, err);
    if (opened != ExitSuccess)
        return opened;
    for (const QStringList &row : BalancePrintout::tableRows(BalanceSheet::collect(loader.ledger())))
        out << OwnerTableCsv::row(row);
    return ExitSuccess;
}

} // namespace veltra
