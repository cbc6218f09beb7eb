#include "schedacommand.h"

#include "paymentprintkinds.h"
#include "paymentseriesloader.h"

#include "core/payments/accountcards.h"
#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"
#include "reports/payments/accountcardsprintout.h"

namespace veltra {

int SchedaCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool isNumber = false;
    const int owner = arguments.size() == 2 ? arguments.at(1).toInt(&isNumber) : 0;
    if (!isNumber) {
        err << "veltra-tool: uso: veltra-tool " << name() << " FILE N\n";
        return ExitBadArguments;
    }
    PaymentSeriesLoader loader;
    const int opened = PaymentPrintKinds::openPrintable(loader, arguments.first(), false, err);
    if (opened != ExitSuccess)
        return opened;
    const int owners = loader.state().ownerCount;
    if (owner < 1 || owner > owners) {
        err << "veltra-tool: il condomino n. " << owner << " non esiste: la serie ha " << owners
            << " condomini\n";
        return ExitBadArguments;
    }
    const QList<AccountCard> cards = AccountCards::collect(loader.ledger(), owner, false);
    for (const QStringList &row : AccountCardsPrintout::tableRows(cards.first()))
        out << OwnerTableCsv::row(row);
    return ExitSuccess;
}

} // namespace veltra
