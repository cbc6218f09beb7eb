#pragma once

#include "core/expenses/expenseitem.h"
#include "core/expenses/managementtype.h"
#include "core/platform/platform.h"
#include "core/printing/printclearance.h"

#include <QString>

#include <optional>

namespace veltra {

class PaymentsLedger;
class SharedState;

// The rules of the payments window over what it shows: the step hint that tells the user
// what to do next, and the data check.
namespace PagamentiCheck {

// What the window shows besides the shared state.
struct WindowView
{
    bool managementOptionMarked = false;
    ManagementType type = ManagementType::None;
    ExpenseItem shown; // amount, description and date of the item shown
    int item = 1;      // its number
};

// The hint for passo; nothing when the hint is left as it is (a budget item shown).
std::optional<QString> stepHint(const SharedState &state, const WindowView &view);

struct Finding
{
    bool passed = false;
    MessageIcon icon = MessageIcon::None;
    QString text;
};

// What the check is run for. Before a print the owners who have neither paid nor been
// reminded are not named: they are what the balance, the cards and the reminders are
// printed for.
enum class Purpose { Command, Printing };

// The first failing test's message (titled checkTitle), or the confirmation. Under
// "spese" the first owner whose payment or reminder date is no date is named, then the first
// who has neither paid nor been reminded; under
// "preventivi", where dates cannot be typed, no owner is.
Finding check(const SharedState &state, const WindowView &view,
              Purpose purpose = Purpose::Command);

// The view of the window once it has moved to the ledger's item, its type marked.
WindowView viewOfLedger(const PaymentsLedger &ledger);

// Whether the window's printouts may be built from what it shows, after the check.
PrintClearance printClearance(const SharedState &state, const WindowView &view);

} // namespace PagamentiCheck

} // namespace veltra
