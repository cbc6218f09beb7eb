#include "reports/payments/paymentsprintcheck.h"

#include "core/payments/paymentsledger.h"
#include "core/payments/serieswalk.h"
#include "core/state/sharedstate.h"

namespace veltra::PaymentsPrintCheck {

std::optional<Refusal> refusal(const PaymentsLedger &ledger)
{
    if (ledger.shownItem().expenseAmount.isEmpty() || ledger.state().ownerCount <= 0)
        return Refusal{MessageIcon::Exclamation, ExpensePrintCheck::nothingToPrintMessage()};
    return std::nullopt;
}

std::optional<Refusal> seriesRefusal(PaymentsLedger &ledger)
{
    QString reason;
    SeriesWalk::fromFiles(ledger, ledger.archivedCount().value_or(0), 0, &reason);
    if (reason.isEmpty())
        return std::nullopt;
    return Refusal{MessageIcon::Critical, reason};
}

std::optional<Refusal> lettersRefusal(const PaymentsLedger &ledger)
{
    if (const std::optional<Refusal> nothing = refusal(ledger))
        return nothing;
    if (ledger.managementType() == ManagementType::Preventivi)
        return Refusal{MessageIcon::Question, ExpensePrintCheck::noticesNeedExpensesMessage()};
    return std::nullopt;
}

} // namespace veltra::PaymentsPrintCheck
