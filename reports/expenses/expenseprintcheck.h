#pragma once

#include "core/expenses/managementtype.h"
#include "core/platform/platform.h"

#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// Whether the expense window's print commands have something to print. A refusal is
// shown as a message with a single OK button, titled checkTitle, and nothing is built.
class ExpensePrintCheck
{
public:
    struct Refusal
    {
        MessageIcon icon = MessageIcon::Exclamation;
        QString text;
    };

    static QString nothingToPrintMessage();
    static QString noticesNeedExpensesMessage();

    // The statement ("Dati finestra", "Tutti i dati archiviati") needs owners.
    static std::optional<Refusal> statementRefusal(const SharedState &state);
    // The payment notices need owners and are printed for the expenses only, never for a
    // budget (type Preventivi).
    static std::optional<Refusal> noticesRefusal(const SharedState &state, ManagementType type);
};

} // namespace veltra
