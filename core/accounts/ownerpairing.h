#pragma once

#include <QStringList>

namespace veltra {

class AccountsRegister;
class SharedState;

// A register keeps its owners by number, and the condominium window renumbers owners when
// one is deleted. The register remembers each owner's name as it was saved: an owner whose
// number now holds another name, found under one other number alone, has moved there and
// his movements follow him; one found nowhere has left the archive, and his movements keep
// his name instead of a number.
namespace OwnerPairing {

// Follows the archive in state; the messages say what moved or was lost, one line each.
// Afterwards the register remembers the names the archive has now.
QStringList follow(AccountsRegister &accounts, const SharedState &state);

} // namespace OwnerPairing

} // namespace veltra
