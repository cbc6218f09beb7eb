#include "reports/expenses/expenseprintcheck.h"

#include "core/state/sharedstate.h"

namespace veltra {

QString ExpensePrintCheck::nothingToPrintMessage()
{
    return QStringLiteral("Non vi è nulla da stampare: prelevare i dati dall'archivio.");
}

QString ExpensePrintCheck::noticesNeedExpensesMessage()
{
    return QStringLiteral("Attenzione: la stampa deve riguardare le spese e non i preventivi.");
}

std::optional<ExpensePrintCheck::Refusal> ExpensePrintCheck::statementRefusal(
    const SharedState &state)
{
    if (state.ownerCount <= 0)
        return Refusal{ MessageIcon::Exclamation, nothingToPrintMessage() };
    return std::nullopt;
}

std::optional<ExpensePrintCheck::Refusal> ExpensePrintCheck::noticesRefusal(
    const SharedState &state, ManagementType type)
{
    if (const auto refusal = statementRefusal(state))
        return refusal;
    if (type == ManagementType::Preventivi)
        return Refusal{ MessageIcon::Question, noticesNeedExpensesMessage() };
    return std::nullopt;
}

} // namespace veltra
