#pragma once

#include <QString>

namespace veltra {

class SharedState;

// The condominium's running total: the sum of the amounts of items 1 to k of the series,
// which the payment notices and the payments window print under the same label.
namespace RunningTotal {

// The sum, in euro, of the amounts of items 1 to k (k cut to 1..200); an empty amount, or
// one that is no number, adds nothing.
double condominiumRunningTotal(const SharedState &state, int k);

// A total in euro as people read it: "##,##0.00" ("1.150,50").
QString shownTotal(double euro);

// An amount kept as text ("1150,5", "1.150,50") as people read it: "##,##0.00"; a text that
// is no number is shown as it is.
QString shownAmount(const QString &euro);

// "Totale progressivo spese " + qualifier + ": euro " + the total as people read it:
// qualifier is empty for the expenses, "preventivate" for a budget.
QString line(const QString &total, const QString &qualifier = QString());

} // namespace RunningTotal

} // namespace veltra
