#pragma once

#include "core/expenses/expenseitem.h"
#include "core/expenses/managementtype.h"
#include "core/platform/platform.h"

#include <QString>

#include <optional>

namespace veltra {

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
};

// The hint for passo; nothing when the hint is left as it is (a budget item shown).
std::optional<QString> stepHint(const SharedState &state, const WindowView &view);

struct Finding
{
    bool passed = false;
    MessageIcon icon = MessageIcon::None;
    QString text;
};

// The first failing test's message (titled checkTitle), or the confirmation. Under
// "spese" the first owner who has neither paid nor been reminded is named; under
// "preventivi", where dates cannot be typed, no owner is.
Finding check(const SharedState &state, const WindowView &view);

} // namespace PagamentiCheck

} // namespace veltra
