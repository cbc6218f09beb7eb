#pragma once

#include <QString>

namespace veltra {

class AccountsRegister;
struct AccountMovement;
class ReportDocument;
class SharedState;

// The register of receipts and payments on paper: the movements in the order of their
// dates, each with the balance of its account after it; every page closes with the totals
// carried to the next, which opens with them; then each account's opening balance, receipts,
// payments and closing balance.
namespace AccountsRegisterPrintout {

// Movements on one page, so that the totals carried forward fall where the page ends.
constexpr int RowsPerPage = 32;

ReportDocument build(const AccountsRegister &accounts, const SharedState &state);
// Appends the movements' pages alone, the first on the page in course: the register as
// the first part of the rendiconto.
void appendMovements(ReportDocument &document, const AccountsRegister &accounts, const SharedState &state);

// Who the movement's money came from or went to, as the register prints it.
QString counterpart(const AccountMovement &movement, const SharedState &state);

} // namespace AccountsRegisterPrintout

} // namespace veltra
