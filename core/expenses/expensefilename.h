#pragma once

#include "core/expenses/managementtype.h"

#include <QString>

#include <optional>

namespace veltra {

// The names of the files of an expense or budget series: one file per item, named by the
// type, the condominium, the year and the item number, without folder or extension.
namespace ExpenseFileName {

// "Veltra-" + type + "-" + condoName + "-" + Str(year) + Str(k): Str puts a blank before
// each number, so item 2 of 2001 of "Rossi" is "Veltra-spese-Rossi- 2001 2".
QString build(ManagementType type, const QString &condoName, int year, int k);

// The year of a date typed as gg/mm/aaaa (day and month of one or two digits, blanks
// around allowed); nothing when the text is no valid date of that form.
std::optional<int> yearOf(const QString &date);

} // namespace ExpenseFileName

} // namespace veltra
