#pragma once

#include "core/accounts/accountmovement.h"
#include "core/accounts/bankstatementcsv.h"
#include "core/accounts/paymentmatcher.h"
#include "core/accounts/statementbalance.h"

#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class AccountsRegister;
class AccountsYear;
class SharedState;
class YearSeries;

// A bank statement read against the year's register: for each of its lines the owner and
// the open shares it pays, when it names one and its amount fits, and whether the register
// holds it already (a statement read before, or the payment entered by hand). Nothing is
// written until the confirmed rows are turned into movements.
class StatementImport
{
public:
    struct Row
    {
        BankStatementCsv::Line line;
        PaymentMatcher::Proposal proposal;
        bool registered = false; // the register holds this line already
    };

    static QList<Row> propose(const AccountsYear &year, const SharedState &state, int account,
                              const QList<BankStatementCsv::Line> &lines);

    // The movements rows make on account: a line paying an owner's shares gives one share
    // receipt per item, any other line a receipt or payment to be described; lines the
    // register holds give none. Each carries its statement line, so that it is never read in
    // twice; registered on today.
    static QList<AccountMovement> movements(const QList<Row> &rows, const YearSeries &series, int account,
                                            const QDate &today);

    // Why rows cannot be recorded as they stand: the line whose owner's shares of the items
    // given do not add up to its amount; empty when all can.
    static QString refusal(const QList<Row> &rows, const YearSeries &series);
    // The statement line as the register remembers it: "dd/mm/yyyy;cents;description".
    static QString lineKey(const BankStatementCsv::Line &line);
    // The surnames an owner may be named by: those of the persons of his record in the
    // owners' register, else the first word of each name of the archive's ("Bianchi Luca e
    // Sartori Elena": Bianchi, Sartori).
    static QStringList surnames(const SharedState &state, int owner);
    // The statement's closing balance of account on its last day; none when it gives none.
    static std::optional<StatementBalance> closingBalance(const AccountsRegister &accounts, int account,
                                                          const BankStatementCsv::Result &statement);
    // What the statement's closing balance says against the register's balance of account on
    // the statement's last day; empty when they agree or the statement gives none.
    static QString balanceDifference(const AccountsYear &year, int account, const BankStatementCsv::Result &statement);
};

} // namespace veltra
