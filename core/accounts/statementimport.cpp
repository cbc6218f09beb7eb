#include "core/accounts/statementimport.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/sharelink.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"

#include <QRegularExpression>

namespace veltra {

namespace {

QList<PaymentMatcher::PayerCandidate> candidates(const YearSeries &series, const SharedState &state)
{
    QList<PaymentMatcher::PayerCandidate> list;
    for (int owner = 1; owner <= MaxOwners; ++owner) {
        if (state.owner(owner).ownerName.isEmpty())
            continue;
        PaymentMatcher::PayerCandidate candidate;
        candidate.owner = owner;
        candidate.surnames = StatementImport::surnames(state, owner);
        for (const SeriesItem &item : series.items) {
            if (item.shares.value(owner) > 0 && !item.paid.contains(owner))
                candidate.shares << PaymentMatcher::OpenShare{item.number, item.shares.value(owner)};
        }
        if (!candidate.shares.isEmpty())
            list << candidate;
    }
    return list;
}

// The register holds the line: read from a statement before, or entered otherwise with the
// same day, direction and amount on the same account.
bool isRegistered(const AccountsRegister &accounts, int account, const BankStatementCsv::Line &line)
{
    const QString key = StatementImport::lineKey(line);
    for (const AccountMovement &movement : accounts.movements()) {
        if (movement.statementLine == key)
            return true;
        if (movement.statementLine.isEmpty() && movement.account == account
            && movement.operationDate == line.operationDate && movement.signedCents() == line.cents)
            return true;
    }
    return false;
}

AccountMovement fromLine(const BankStatementCsv::Line &line, int account, const QDate &today)
{
    AccountMovement movement;
    movement.operationDate = line.operationDate;
    movement.registrationDate = today;
    movement.account = account;
    movement.receipt = line.cents > 0;
    movement.cents = line.cents > 0 ? line.cents : -line.cents;
    movement.description = line.description;
    movement.statementLine = StatementImport::lineKey(line);
    return movement;
}

} // namespace

QList<StatementImport::Row> StatementImport::propose(const AccountsYear &year, const SharedState &state, int account,
                                                     const QList<BankStatementCsv::Line> &lines)
{
    QList<BankStatementCsv::Line> fresh;
    QList<Row> rows;
    for (const BankStatementCsv::Line &line : lines) {
        Row row;
        row.line = line;
        row.registered = isRegistered(year.accounts(), account, line);
        row.proposal.fileLine = line.fileLine;
        row.proposal.cents = line.cents;
        if (!row.registered)
            fresh << line;
        rows << row;
    }
    const QList<PaymentMatcher::Proposal> proposals = PaymentMatcher(candidates(year.series(), state)).propose(fresh);
    int next = 0;
    for (Row &row : rows) {
        if (!row.registered)
            row.proposal = proposals.at(next++);
    }
    return rows;
}

QList<AccountMovement> StatementImport::movements(const QList<Row> &rows, const YearSeries &series, int account,
                                                  const QDate &today)
{
    QList<AccountMovement> list;
    for (const Row &row : rows) {
        if (row.registered)
            continue;
        const AccountMovement plain = fromLine(row.line, account, today);
        if (row.proposal.owner == 0 || row.proposal.items.isEmpty() || plain.cents <= 0 || !plain.receipt) {
            list << plain;
            continue;
        }
        for (int item : row.proposal.items) {
            AccountMovement share = plain;
            share.owner = row.proposal.owner;
            share.item = item;
            share.cause = MovementCause::Share;
            share.cents = series.share(item, row.proposal.owner);
            share.description = ShareLink::description(item, series.item(item) ? series.item(item)->description : QString());
            share.note = row.line.description;
            list << share;
        }
    }
    return list;
}

QString StatementImport::refusal(const QList<Row> &rows, const YearSeries &series)
{
    for (const Row &row : rows) {
        if (row.registered || row.proposal.owner == 0 || row.proposal.items.isEmpty())
            continue;
        long long sum = 0;
        for (int item : row.proposal.items)
            sum += series.share(item, row.proposal.owner);
        if (sum != row.line.cents)
            return QStringLiteral("riga %1: le quote delle voci scelte del condomino n. %2 fanno %3 euro, "
                                  "la riga ne porta %4")
                .arg(row.line.fileLine).arg(row.proposal.owner)
                .arg(Money::fromCents(sum).format(), Money::fromCents(row.line.cents).format());
    }
    return QString();
}

QString StatementImport::lineKey(const BankStatementCsv::Line &line)
{
    return QStringLiteral("%1;%2;%3").arg(line.operationDate.toString(QStringLiteral("dd/MM/yyyy")))
        .arg(line.cents).arg(line.description.simplified());
}

QStringList StatementImport::surnames(const SharedState &state, int owner)
{
    QStringList list;
    for (const RegisterPerson &person : state.anagrafe.record(owner).persons) {
        if (!person.surname.isEmpty() && !list.contains(person.surname))
            list << person.surname;
    }
    if (!list.isEmpty())
        return list;
    static const QRegularExpression joins(QStringLiteral("\\s+(?:e|ed)\\s+|,|;"));
    for (const QString &name : state.owner(owner).ownerName.split(joins, Qt::SkipEmptyParts)) {
        const QString first = name.simplified().section(QLatin1Char(' '), 0, 0);
        if (!first.isEmpty() && !list.contains(first))
            list << first;
    }
    return list;
}

std::optional<StatementBalance> StatementImport::closingBalance(const AccountsRegister &accounts, int account,
                                                               const BankStatementCsv::Result &statement)
{
    if (!statement.closingBalanceCents || statement.lines.isEmpty() || account < 1 || account > accounts.accounts.size())
        return std::nullopt;
    QDate last = statement.lines.first().operationDate;
    for (const BankStatementCsv::Line &line : statement.lines)
        last = std::max(last, line.operationDate);
    return StatementBalance{accounts.accounts.at(account - 1).name, last, *statement.closingBalanceCents, QString()};
}

QString StatementImport::balanceDifference(const AccountsYear &year, int account, const BankStatementCsv::Result &statement)
{
    const std::optional<StatementBalance> closing = closingBalance(year.accounts(), account, statement);
    if (!closing)
        return QString();
    const long long held = year.accounts().balance(account, closing->day);
    if (held == closing->cents)
        return QString();
    return QStringLiteral("il saldo dell'estratto conto al %1 è di %2 euro, quello del registro di %3 euro "
                          "(differenza %4 euro)")
        .arg(closing->day.toString(QStringLiteral("dd/MM/yyyy")), Money::fromCents(closing->cents).format(),
             Money::fromCents(held).format(), Money::fromCents(closing->cents - held).format());
}

} // namespace veltra
