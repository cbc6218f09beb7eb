#pragma once

#include <QString>

namespace veltra {

// One item of an expense or budget series as the user typed it.
struct ExpenseItem
{
    QString expenseAmount; // euro, decimal comma
    QString expenseType;   // description
    QString expenseDate;   // gg/mm/aaaa, free text
};

} // namespace veltra
