#pragma once

#include "core/accounts/accountmovement.h"

#include <QString>

#include <optional>

namespace veltra {

class AccountsRegister;
class ContabilitaForm;
class SharedState;

// The fields of the movement being entered in the accounts window: filled from a movement,
// read back into one.
namespace MovementFields {

// The accounts and the owners to choose from, as the register and the archive have them now.
void fillChoices(ContabilitaForm &form, const AccountsRegister &accounts, const SharedState &state);
void show(ContabilitaForm &form, const AccountMovement &movement);
// A new movement: today as both dates, the first bank account, a receipt.
void showNew(ContabilitaForm &form, const QDate &today, int account);
// The movement the fields describe, keeping number; nothing, with *problem in Italian
// naming the field, when a date or the amount cannot be read.
std::optional<AccountMovement> read(const ContabilitaForm &form, int number, QString *problem);

} // namespace MovementFields

} // namespace veltra
