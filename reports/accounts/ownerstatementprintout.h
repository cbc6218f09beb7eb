#pragma once

namespace veltra {

class AccountsRegister;
class ReportDocument;
class SharedState;
class YearSeries;

// One owner's statement of account for the financial year: what he owed at its start, his
// share of each item, what he paid and what was paid back to him, and what he owes at the
// end (or is owed, when negative).
namespace OwnerStatementPrintout {

ReportDocument build(const AccountsRegister &accounts, const YearSeries &series, const SharedState &state,
                     int owner);

} // namespace OwnerStatementPrintout

} // namespace veltra
