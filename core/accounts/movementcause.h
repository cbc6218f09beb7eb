#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// Why money came in or went out: what the rendiconto groups the movements by.
enum class MovementCause {
    Share,       // an owner's share of an item of the year's expenses
    Expense,     // the payment of an expense item to its supplier
    Transfer,    // between two of the condominium's accounts, booked once on each side
    BankCharges,
    Withholding, // tax withheld from a supplier and paid to the State
    SpecialFund, // the special fund for extraordinary works
    Other
};

namespace MovementCauses {

// The word of the interchange CSV and of the register's file: "quota", "spesa", ...
QString word(MovementCause cause);
std::optional<MovementCause> fromWord(const QString &word);
// What the window and the printouts show: "Quota condomino", "Pagamento spesa", ...
QString label(MovementCause cause);
QStringList labels();
constexpr int Count = 7;

} // namespace MovementCauses

} // namespace veltra
