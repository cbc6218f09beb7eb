#pragma once

#include "core/expenses/managementtype.h"
#include "reports/expenses/expenseprintcheck.h"

#include <optional>

namespace veltra {

class PaymentsLedger;

// Whether the payments window's print commands have something to print: an item shown
// with its amount, and owners. A refusal is shown with a single OK button, titled
// checkTitle, and nothing is built.
namespace PaymentsPrintCheck {

using Refusal = ExpensePrintCheck::Refusal;

// The window printout, the account cards and the balance.
std::optional<Refusal> refusal(const PaymentsLedger &ledger);
// The printouts that walk the whole series (every item's payments, the account cards, the
// balance): refused, naming it, when an archived item cannot be counted.
std::optional<Refusal> seriesRefusal(PaymentsLedger &ledger);
// Reminders and receipts are written for the expenses only, never for a budget.
std::optional<Refusal> lettersRefusal(const PaymentsLedger &ledger);

} // namespace PaymentsPrintCheck

} // namespace veltra
