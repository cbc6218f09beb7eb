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

// A total in euro as the payments window shows it: the shortest decimal form with the
// decimal comma and no grouping ("1150,5").
QString shownTotal(double euro);

// "Totale progressivo spese " + qualifier + ": euro " + shown: qualifier is empty for the
// expenses, "preventivate" for a budget.
QString line(const QString &shown, const QString &qualifier = QString());

} // namespace RunningTotal

} // namespace veltra
