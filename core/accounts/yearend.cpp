#include "core/accounts/yearend.h"

#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/accounts/finalaccountfile.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

namespace veltra {

namespace {

// The next year's register with this year's closing balances as its openings: the one
// already begun, or a new one.
std::optional<AccountsRegister> nextRegister(const AccountsYear &year, const FinalAccount &figures,
                                             const QString &path, QString *error)
{
    AccountsRegister next;
    if (QFileInfo::exists(path)) {
        const AccountsFile::LoadResult file = AccountsFile::load(path);
        if (!file.isComplete() || file.accounts.condoName != figures.condoName) {
            *error = QStringLiteral("il registro dell'esercizio successivo \"%1\" non si può leggere o è di un altro "
                                    "condominio: %2").arg(path, file.problem);
            return std::nullopt;
        }
        if (file.accounts.closed) {
            *error = QStringLiteral("l'esercizio successivo (%1) è già chiuso: riaprirlo prima").arg(file.accounts.year);
            return std::nullopt;
        }
        next = file.accounts;
    } else {
        next.condoName = figures.condoName;
        next.year = year.accounts().year + 1;
        next.firstDay = figures.lastDay.addDays(1);
    }
    for (int a = 0; a < figures.accounts.size(); ++a) {
        const LedgerAccount &ledger = year.accounts().accounts.at(a);
        int found = -1;
        for (int b = 0; b < next.accounts.size() && found < 0; ++b)
            found = next.accounts.at(b).name == ledger.name ? b : -1;
        if (found < 0) {
            next.accounts << ledger;
            found = int(next.accounts.size()) - 1;
        }
        next.accounts[found].openingCents = figures.accounts.at(a).closingCents;
    }
    next.ownerOpenings.clear();
    for (const FinalAccount::Owner &owner : figures.owners) {
        if (owner.closingCents != 0) {
            next.ownerOpenings.insert(owner.number, owner.closingCents);
            next.ownerNames.insert(owner.number, owner.name);
        }
    }
    return next;
}

QString closedMessage(int year)
{
    return QStringLiteral("l'esercizio %1 è chiuso: la nota, i fondi e i saldi degli estratti conto non si cambiano "
                          "se non lo si riapre").arg(year);
}

} // namespace

bool YearEnd::load(const AccountsYear &year, QString *problem)
{
    const AccountsRegister &accounts = year.accounts();
    m_path = FinalAccountFile::pathBesideRegister(year.path());
    const std::optional<FinalAccountInputs> inputs =
        FinalAccountFile::loadOrDefaults(m_path, accounts.condoName, accounts.year, problem);
    if (!inputs)
        return false;
    m_inputs = *inputs;
    m_budget = YearSeries::load(year.archivePath(), accounts.condoName, accounts.year, ManagementType::Preventivi);
    return true;
}

FinalAccount YearEnd::figures(const AccountsYear &year, const SharedState &state) const
{
    return FinalAccount::compute(year.accounts(), year.series(), m_budget, m_inputs, state);
}

std::optional<FinalAccount> YearEnd::previousFigures(const AccountsYear &year, const SharedState &state)
{
    const AccountsRegister &accounts = year.accounts();
    const QString path = AccountsFile::pathBeside(year.archivePath(), accounts.year - 1);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const AccountsFile::LoadResult file = AccountsFile::load(path);
    QString problem;
    const std::optional<FinalAccountInputs> inputs = FinalAccountFile::loadOrDefaults(
        FinalAccountFile::pathBesideRegister(path), accounts.condoName, accounts.year - 1, &problem);
    if (!file.isComplete() || !inputs)
        return std::nullopt;
    const YearSeries series = YearSeries::load(year.archivePath(), accounts.condoName, accounts.year - 1);
    const YearSeries budget =
        YearSeries::load(year.archivePath(), accounts.condoName, accounts.year - 1, ManagementType::Preventivi);
    return FinalAccount::compute(file.accounts, series, budget, *inputs, state);
}

bool YearEnd::saveInputs(const AccountsYear &year, const FinalAccountInputs &inputs, QString *error)
{
    if (year.accounts().closed) {
        *error = closedMessage(year.accounts().year);
        return false;
    }
    if (!FinalAccountFile::save(inputs, m_path, error))
        return false;
    m_inputs = inputs;
    return true;
}

bool YearEnd::recordStatement(const AccountsYear &year, const StatementBalance &balance, QString *error)
{
    const AccountsRegister &accounts = year.accounts();
    if (balance.day < accounts.firstDay || balance.day > accounts.lastDay()) {
        *error = QStringLiteral("il saldo dell'estratto conto al %1 è fuori dall'esercizio %2")
                     .arg(balance.day.toString(QStringLiteral("dd/MM/yyyy"))).arg(accounts.year);
        return false;
    }
    FinalAccountInputs changed = m_inputs;
    const StatementBalance *kept = changed.statementOf(balance.account);
    if (kept && (kept->day > balance.day || (kept->day == balance.day && kept->cents == balance.cents)))
        return true;
    if (kept)
        changed.statementBalances.removeAt(int(kept - changed.statementBalances.constData()));
    changed.statementBalances << balance;
    return saveInputs(year, changed, error);
}

bool YearEnd::close(AccountsYear &year, const SharedState &state, const QDate &today, QString *error,
                    QString *nextPath)
{
    if (year.accounts().closed) {
        *error = QStringLiteral("l'esercizio %1 è già chiuso").arg(year.accounts().year);
        return false;
    }
    const FinalAccount account = figures(year, state);
    if (!account.canPrint()) {
        *error = QStringLiteral("l'esercizio non si può chiudere finché un dato è sbagliato: ") + account.blocking.first();
        return false;
    }
    const QString path = AccountsFile::pathBeside(year.archivePath(), year.accounts().year + 1);
    const std::optional<AccountsRegister> next = nextRegister(year, account, path, error);
    if (!next || !AccountsFile::save(*next, path, error) || !carryInputs(account, path, error))
        return false;
    if (nextPath)
        *nextPath = path;
    return recordAndMark(year, ClosingEvent{today, true, QString()}, error);
}

bool YearEnd::reopen(AccountsYear &year, const QString &reason, const QDate &today, QString *error)
{
    if (!year.accounts().closed) {
        *error = QStringLiteral("l'esercizio %1 non è chiuso").arg(year.accounts().year);
        return false;
    }
    if (reason.trimmed().isEmpty()) {
        *error = QStringLiteral("per riaprire un esercizio chiuso va indicato il motivo");
        return false;
    }
    return recordAndMark(year, ClosingEvent{today, false, reason.trimmed()}, error);
}

// The next year's funds open with this year's closing balances; a note not yet begun starts
// with this year's criterion, the contracts still running and the questions still open.
bool YearEnd::carryInputs(const FinalAccount &figures, const QString &nextRegister, QString *error) const
{
    const QString path = FinalAccountFile::pathBesideRegister(nextRegister);
    QString problem;
    std::optional<FinalAccountInputs> next =
        FinalAccountFile::loadOrDefaults(path, figures.condoName, figures.year + 1, &problem);
    if (!next) {
        *error = problem;
        return false;
    }
    if (!QFileInfo::exists(path)) {
        next->note.criterion = m_inputs.note.criterion;
        next->note.questions = m_inputs.note.questions;
        for (const ExplanatoryNote::Contract &contract : m_inputs.note.contracts) {
            if (!contract.expiry.isValid() || contract.expiry > figures.lastDay)
                next->note.contracts << contract;
        }
        next->funds.clear();
    }
    for (const FinalAccount::Fund &fund : figures.funds) {
        int found = -1;
        for (int f = 0; f < next->funds.size() && found < 0; ++f)
            found = next->funds.at(f).name == fund.name ? f : -1;
        if (found < 0) {
            next->funds << FundAccount{fund.name, 0, 0};
            found = int(next->funds.size()) - 1;
        }
        next->funds[found].openingCents = fund.closingCents();
    }
    return FinalAccountFile::save(*next, path, error);
}

// The record goes first, so that a year is never closed or reopened without it; when the
// register cannot be written the record is taken back.
bool YearEnd::recordAndMark(AccountsYear &year, const ClosingEvent &event, QString *error)
{
    FinalAccountInputs recorded = m_inputs;
    recorded.history << event;
    if (!FinalAccountFile::save(recorded, m_path, error))
        return false;
    if (!year.setClosed(event.closed, error)) {
        QString ignored;
        FinalAccountFile::save(m_inputs, m_path, &ignored);
        return false;
    }
    m_inputs = recorded;
    return true;
}

} // namespace veltra
