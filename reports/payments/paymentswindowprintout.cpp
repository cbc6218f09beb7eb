#include "reports/payments/paymentswindowprintout.h"

#include "core/expenses/runningtotal.h"
#include "core/numbers/numbertext.h"
#include "core/payments/paymentdates.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"
#include "reports/document/printstatus.h"
#include "reports/expenses/expenseitemheading.h"
#include "reports/payments/paymentstables.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);

const QList<QStringList> Legend = {
    {QStringLiteral("tipologia"), QStringLiteral("significato")},
    {QStringLiteral("n."), QStringLiteral("numero d'ordine del condomino")},
    {QStringLiteral("nome"), QStringLiteral("nome del condomino")},
    {QStringLiteral("indirizzo"), QStringLiteral("indirizzo del condomino")},
    {QStringLiteral("spese"), QStringLiteral("spese da pagare")},
    {QStringLiteral("pagamento"), QStringLiteral("data del pagamento")},
    {QStringLiteral("sollecito"), QStringLiteral("data dell'ultimo sollecito")},
    {QStringLiteral("totale"), QStringLiteral("totale progressivo delle spese a carico")},
};

const QStringList OwnerHeading = {
    QStringLiteral("n."), QStringLiteral("nome"), QStringLiteral("indirizzo"),
    QStringLiteral("spese euro"), QStringLiteral("pagamento"), QStringLiteral("sollecito"),
    QStringLiteral("totale euro")};

void markEveryOwner(SharedState &state)
{
    for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i)
        PaymentDates::markEmpty(state.owner(i));
}

} // namespace

QString PaymentsWindowPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString PaymentsWindowPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument PaymentsWindowPrintout::build(PaymentsLedger &ledger, bool allItems)
{
    ReportDocument document(PrintoutFont);
    SharedState &state = ledger.state();
    for (int k = ledger.currentItem();; ) {
        markEveryOwner(state);
        appendSection(document, state, k, ledger.managementType(), ledger.shownTotal());
        if (!allItems || k >= MaxItems)
            return document;
        const PaymentsLedger::Move move = ledger.goToItem(k + 1);
        k = move.item;
        if (move.refusedItem != 0 || ledger.shownItem().expenseAmount.isEmpty())
            return document;
    }
}

void PaymentsWindowPrintout::appendSection(ReportDocument &document, const SharedState &state,
                                           int k, ManagementType type, const QString &shownTotal)
{
    const bool budget = type == ManagementType::Preventivi;
    const ExpenseItem &item = state.item(k);
    ExpenseItemHeading::appendCondominiumLine(document, state);
    const QString typeWord = budget ? QStringLiteral("PREVENTIVI") : QStringLiteral("SPESE");
    document.appendParagraph(ExpenseItemHeading::managementLine(
                                 QStringLiteral("PAGAMENTI ") + typeWord, item.expenseDate, k)
                                 + CR,
                             12);
    const QString qualifier = budget ? QStringLiteral("preventivate") : QString();
    document.appendParagraph(RunningTotal::line(shownTotal, qualifier) + CR, 12);
    ExpenseItemHeading::appendOwnerCountLine(document, state);
    ExpenseItemHeading::appendItemTable(document, state, k, QStringLiteral("data"));
    document.appendParagraph(QString(CR) + QStringLiteral("Legenda") + CR, 10);
    PaymentsTables::append(document, Legend, 10);
    QList<QStringList> rows = {OwnerHeading};
    for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
        const Owner &owner = state.owner(i);
        rows.append({NumberText::str(i), owner.ownerName, owner.ownerAddress, owner.shareAmount,
                     owner.paymentDate, owner.reminderDate,
                     PaymentsTables::ownerTotal(owner.ownerRunningTotal)});
    }
    const int table = PaymentsTables::append(document, rows, 10);
    document.alignColumnsRight(table, 4, 7);
}

} // namespace veltra
