#include "paymentprintkinds.h"

#include "paymentseriesloader.h"
#include "printgate.h"
#include "stampacommand.h"

#include "core/payments/accountcards.h"
#include "core/payments/balancesheet.h"
#include "core/payments/pagamenticheck.h"
#include "core/payments/paymentletters.h"
#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"
#include "reports/payments/accountcardsprintout.h"
#include "reports/payments/balanceprintout.h"
#include "reports/payments/paymentlettersprintout.h"
#include "reports/payments/paymentsprintcheck.h"
#include "reports/payments/paymentswindowprintout.h"

namespace veltra::PaymentPrintKinds {

namespace {

using Build = std::function<ReportDocument(PaymentSeriesLoader &loader)>;

// A printout of what the window shows on the item, once it passes the window's check.
StampaCommand::FileBuilder printout(const StampaCommand &command, bool letters, const Build &build)
{
    return [&command, letters, build](const QString &file, ReportDocument &document,
                                      QTextStream &err) {
        const PrintGate &gate = command.gate();
        PaymentSeriesLoader loader;
        const int opened = openPrintable(loader, file, letters, err);
        if (opened != ExitSuccess)
            return opened;
        loader.state().administrator = command.administrator();
        const PagamentiCheck::WindowView view = PagamentiCheck::viewOfLedger(loader.ledger());
        const int admitted =
            gate.admit(PagamentiCheck::printClearance(loader.state(), view), err);
        if (admitted == ExitSuccess)
            document = build(loader);
        return admitted;
    };
}

ReportDocument letters(PaymentSeriesLoader &loader, PaymentLetters::Kind kind)
{
    const QList<int> owners = PaymentLetters::record(loader.state(), kind, 0, loader.today());
    return PaymentLettersPrintout::build(loader.state(), loader.ledger().currentItem(),
                                         loader.ledger().shownTotal(), kind, owners, false,
                                         loader.today());
}

} // namespace

int openPrintable(PaymentSeriesLoader &loader, const QString &file, bool letters,
                  QTextStream &err)
{
    const int opened = loader.open(file, err);
    if (opened != ExitSuccess)
        return opened;
    auto refusal = letters ? PaymentsPrintCheck::lettersRefusal(loader.ledger())
                           : PaymentsPrintCheck::refusal(loader.ledger());
    if (!refusal && !letters)
        refusal = PaymentsPrintCheck::seriesRefusal(loader.ledger());
    if (refusal) {
        err << "veltra-tool: " << refusal->text << "\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

void addTo(StampaCommand &command)
{
    command.addFileKind(QStringLiteral("pagamenti"), printout(command, false, [](PaymentSeriesLoader &loader) {
        return PaymentsWindowPrintout::build(loader.ledger(), false);
    }));
    command.addFileKind(QStringLiteral("tuttipagamenti"),
                        printout(command, false, [](PaymentSeriesLoader &loader) {
                            return PaymentsWindowPrintout::build(loader.ledger(), true);
                        }));
    command.addFileKind(QStringLiteral("solleciti"), printout(command, true, [](PaymentSeriesLoader &loader) {
        return letters(loader, PaymentLetters::Kind::Reminder);
    }));
    command.addFileKind(QStringLiteral("ricevute"), printout(command, true, [](PaymentSeriesLoader &loader) {
        return letters(loader, PaymentLetters::Kind::Receipt);
    }));
    command.addFileKind(QStringLiteral("schede"), printout(command, false, [](PaymentSeriesLoader &loader) {
        return AccountCardsPrintout::build(AccountCards::collect(loader.ledger(), 1, true),
                                           loader.ledger().managementType());
    }));
    command.addFileKind(QStringLiteral("bilancio"), printout(command, false, [](PaymentSeriesLoader &loader) {
        return BalancePrintout::build(BalanceSheet::collect(loader.ledger()),
                                      loader.ledger().managementType());
    }));
}

} // namespace veltra::PaymentPrintKinds
