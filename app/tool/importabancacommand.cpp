#include "importabancacommand.h"

#include "accountsloader.h"
#include "meetinginput.h"

#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/accounts/statementimport.h"
#include "core/accounts/yearend.h"
#include "core/archive/semicolonrows.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/state/sharedstate.h"

#include <QDate>
#include <QFileInfo>

namespace veltra {

namespace {

const QString Data = QStringLiteral("--dati");
const QString Spese = QStringLiteral("--spese");
const QString Register = QStringLiteral("--contabilita");
const QString Write = QStringLiteral("--scrivi");

QString outcome(const StatementImport::Row &row)
{
    if (row.registered)
        return QStringLiteral("già registrato");
    return PaymentMatcher::outcomeText(row.proposal.outcome);
}

QString row(const StatementImport::Row &row)
{
    const bool named = !row.registered && row.proposal.outcome != PaymentMatcher::Outcome::Unmatched;
    QStringList items;
    for (int item : row.proposal.items)
        items << QString::number(item);
    return SemicolonRows::row({QString::number(row.line.fileLine), row.line.operationDate.toString(QStringLiteral("dd/MM/yyyy")),
                               MovementsCsv::amountText(row.line.cents), named ? QString::number(row.proposal.owner) : QString(),
                               named ? items.join(QLatin1Char('+')) : QString(), outcome(row)});
}

// The year of the series: that of its first item's date.
int seriesYear(const QString &firstItem, QTextStream &err)
{
    const ExpenseArchive::LoadResult file = ExpenseArchive::load(firstItem, true);
    const std::optional<int> year = file.isComplete() ? ExpenseFileName::yearOf(file.expenseDate) : std::nullopt;
    if (!year)
        err << "veltra-tool: la prima voce delle spese \"" << firstItem << "\" non si legge o non ha una data\n";
    return year.value_or(0);
}

// The statement's closing balance goes to the rendiconto, which sets it against the register's.
void keepClosingBalance(const AccountsYear &accounts, int account, const BankStatementCsv::Result &statement,
                        QTextStream &err)
{
    const std::optional<StatementBalance> closing = StatementImport::closingBalance(accounts.accounts(), account, statement);
    if (!closing || closing->day > accounts.accounts().lastDay())
        return;
    YearEnd end;
    QString problem;
    if (!end.load(accounts, &problem) || !end.recordStatement(accounts, *closing, &problem))
        err << "veltra-tool: il saldo dell'estratto conto non è stato annotato per il rendiconto: " << problem << "\n";
}

} // namespace

int ImportaBancaCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto options = arguments.isEmpty() ? std::nullopt
        : MeetingInput::readOptions(arguments.mid(1), {Data, Spese, Register}, {Write}, {Data, Spese});
    if (!options)
        return AccountsLoader::usage(*this, err);
    QByteArray bytes;
    if (!AccountsLoader::readInput(arguments.first(), bytes, err))
        return ExitUnreadableFile;
    QString problem;
    const int year = seriesYear(options->value(Spese), err);
    if (year == 0)
        return ExitUnreadableFile;
    SharedState state;
    AccountsYear accounts;
    const QString registerPath = options->value(Register, AccountsFile::pathBeside(options->value(Data), year));
    if (const int loaded = AccountsLoader::loadOrBegin(name(), registerPath, options->value(Data), state, accounts, err))
        return loaded;
    const int account = accounts.accounts().firstBankAccount();
    const LedgerAccount &ledger = accounts.accounts().accounts.at(account - 1);
    const BankStatementCsv::Result statement = BankStatementCsv::read(
        bytes, QFileInfo(arguments.first()).fileName(), ColumnMapping::fromText(ledger.statementColumns));
    if (!statement.ok) {
        err << "veltra-tool: " << statement.problem << "\n";
        return ExitDataRejected;
    }
    const QList<StatementImport::Row> rows = StatementImport::propose(accounts, state, account, statement.lines);
    out << "riga;data;importo;condomino;voci;esito\n";
    QList<StatementImport::Row> matched;
    for (const StatementImport::Row &proposed : rows) {
        out << row(proposed);
        if (!proposed.registered && proposed.proposal.outcome == PaymentMatcher::Outcome::Matched)
            matched << proposed;
    }
    if (options->contains(Write)) {
        const QList<AccountMovement> movements =
            StatementImport::movements(matched, accounts.series(), account, QDate::currentDate());
        if (!accounts.addMovements(movements, &problem)) {
            err << "veltra-tool: nulla è stato scritto: " << problem << "\n";
            return ExitDataRejected;
        }
        err << "veltra-tool: " << movements.size() << " versamenti di " << matched.size()
            << " righe abbinate scritti nel registro \"" << accounts.path() << "\" e nelle voci delle spese\n";
        keepClosingBalance(accounts, account, statement, err);
    }
    // Compared once what was to be written is in the register.
    const QString difference = StatementImport::balanceDifference(accounts, account, statement);
    if (!difference.isEmpty())
        err << "veltra-tool: " << difference << "\n";
    return ExitSuccess;
}

} // namespace veltra
