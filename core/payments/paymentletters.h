#pragma once

#include <QDate>
#include <QList>

namespace veltra {

class SharedState;

// The reminder letters and the receipts of the current item record the day they are
// printed: a reminder as the owner's reminder date, a receipt as his payment date.
namespace PaymentLetters {

enum class Kind { Reminder, Receipt };

// The date an owner's letter records, written "dd/mm/yyyy".
QString dateText(const QDate &today);

// The owners who get a letter: the owner `selector` alone (the "S" or "R" of his row), or,
// with selector 0, every owner 1..ownerCount without a payment date ("----------" counts as
// one). Each of them gets today's date recorded in the ledger.
QList<int> record(SharedState &state, Kind kind, int selector, const QDate &today);

} // namespace PaymentLetters

} // namespace veltra
