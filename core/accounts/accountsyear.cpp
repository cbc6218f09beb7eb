#include "core/accounts/accountsyear.h"

#include "core/accounts/accountscheck.h"
#include "core/accounts/accountsfile.h"
#include "core/accounts/movementscsv.h"
#include "core/accounts/ownerledger.h"
#include "core/accounts/ownerpairing.h"
#include "core/accounts/sharelink.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace {

QString closedMessage(const AccountsRegister &accounts)
{
    return QStringLiteral("l'esercizio %1 è chiuso: i suoi movimenti non si cambiano se non lo si riapre")
        .arg(accounts.year);
}

// Why a share receipt cannot be taken: the series records a share as paid or not, on one day.
QString shareRefusal(const YearSeries &series, const AccountMovement &movement, const AccountMovement *replaced)
{
    if (!movement.isSharePayment())
        return QString();
    const SeriesItem *item = series.item(movement.item);
    if (!item || item->shares.value(movement.owner) <= 0)
        return QStringLiteral("il condomino n. %1 non ha una quota della voce %2 delle spese")
            .arg(movement.owner).arg(movement.item);
    const long long share = item->shares.value(movement.owner);
    if (movement.cents != share)
        return QStringLiteral("la quota della voce %1 del condomino n. %2 è di %3 euro: un versamento di "
                              "altro importo si registra senza voce, come acconto")
            .arg(movement.item).arg(movement.owner).arg(Money::fromCents(share).format());
    const bool sameShare = replaced && replaced->isSharePayment() && replaced->item == movement.item
                           && replaced->owner == movement.owner;
    if (item->paid.contains(movement.owner) && !sameShare)
        return QStringLiteral("la quota della voce %1 del condomino n. %2 risulta già versata il %3")
            .arg(movement.item).arg(movement.owner)
            .arg(item->paid.value(movement.owner).toString(QStringLiteral("dd/MM/yyyy")));
    return QString();
}

} // namespace

AccountsYear::Opening AccountsYear::open(const QString &archivePath, const SharedState &state, int year)
{
    return openAt(AccountsFile::pathBeside(archivePath, year), archivePath, state, year);
}

AccountsYear::Opening AccountsYear::openAt(const QString &path, const QString &archivePath, const SharedState &state,
                                           int year)
{
    Opening opening;
    m_archivePath = archivePath;
    m_series = YearSeries::load(archivePath, state.condoName, year);
    if (!QFileInfo::exists(path)) {
        begin(state, year);
        m_path = path;
        opening.created = true;
        return follow(opening, state);
    }
    const AccountsFile::LoadResult file = AccountsFile::load(path);
    if (!file.isComplete()) {
        opening.problem = QStringLiteral("il registro di contabilità \"%1\" non si può leggere: %2").arg(path, file.problem);
        return opening;
    }
    if (file.accounts.condoName != state.condoName) {
        opening.problem = QStringLiteral("il registro \"%1\" è del condominio \"%2\", non di \"%3\"")
                              .arg(path, file.accounts.condoName, state.condoName);
        return opening;
    }
    m_accounts = file.accounts;
    m_path = path;
    return follow(opening, state);
}

AccountsYear::Opening AccountsYear::openFile(const QString &path, const SharedState &state)
{
    const AccountsFile::LoadResult file = AccountsFile::load(path);
    if (!file.isComplete()) {
        Opening opening;
        opening.problem = QStringLiteral("il registro di contabilità \"%1\" non si può leggere: %2").arg(path, file.problem);
        return opening;
    }
    return openAt(path, archiveBeside(path, file.accounts.condoName), state, file.accounts.year);
}

AccountsYear::Opening AccountsYear::follow(Opening opening, const SharedState &state)
{
    if (!m_series.problem.isEmpty()) {
        opening.problem = m_series.problem;
        return opening;
    }
    m_archiveNames.clear();
    for (int i = 1; i <= MaxOwners; ++i) {
        if (!state.owner(i).ownerName.isEmpty())
            m_archiveNames.insert(i, state.owner(i).ownerName);
    }
    AccountsRegister followed = m_accounts;
    opening.notices = OwnerPairing::follow(followed, state);
    // A closed year keeps its movements: payment days marked afterwards in the payments
    // window wait until the year is reopened.
    AccountsRegister probe = followed;
    const bool paymentsDiffer = ShareLink::follow(probe, m_series);
    const bool paymentsChanged = paymentsDiffer && !followed.closed;
    if (paymentsChanged)
        followed = probe;
    else if (paymentsDiffer)
        opening.notices << QStringLiteral("l'esercizio %1 è chiuso: i pagamenti delle quote segnati dopo la chiusura nella "
                                          "finestra dei pagamenti entreranno nel registro quando lo si riapre")
                               .arg(followed.year);
    if (paymentsChanged)
        opening.notices << (opening.created
                                ? QStringLiteral("il registro nuovo riporta i versamenti delle quote già segnati nella finestra dei pagamenti")
                                : QStringLiteral("i versamenti delle quote seguono quelli registrati nella finestra dei pagamenti"));
    QString error;
    if ((opening.created || paymentsChanged || !opening.notices.isEmpty()) && !AccountsFile::save(followed, m_path, &error)) {
        opening.problem = QStringLiteral("impossibile scrivere il registro \"%1\": %2").arg(m_path, error);
        return opening;
    }
    m_accounts = followed;
    opening.ok = true;
    return opening;
}

// A new register: the condominium's bank account and its cash, and what the year before,
// when closed, left each owner and account with.
void AccountsYear::begin(const SharedState &state, int year)
{
    m_accounts = AccountsRegister();
    m_accounts.condoName = state.condoName;
    m_accounts.year = year;
    m_accounts.firstDay = QDate(year, 1, 1);
    const AccountsFile::LoadResult previous = AccountsFile::load(AccountsFile::pathBeside(m_archivePath, year - 1));
    if (previous.isComplete() && previous.accounts.closed && previous.accounts.condoName == state.condoName) {
        const YearSeries before = YearSeries::load(m_archivePath, state.condoName, year - 1);
        m_accounts.firstDay = previous.accounts.lastDay().addDays(1);
        m_accounts.accounts = previous.accounts.accounts;
        for (int a = 1; a <= m_accounts.accounts.size(); ++a)
            m_accounts.accounts[a - 1].openingCents = previous.accounts.closingBalance(a);
        for (int owner = 1; owner <= MaxOwners; ++owner) {
            const long long balance = OwnerLedger::of(previous.accounts, before, owner).balanceCents();
            if (balance != 0) {
                m_accounts.ownerOpenings.insert(owner, balance);
                m_accounts.ownerNames.insert(owner, previous.accounts.ownerNames.value(owner, state.owner(owner).ownerName));
            }
        }
        return;
    }
    LedgerAccount bank;
    bank.name = QStringLiteral("Conto corrente condominiale");
    LedgerAccount cash;
    cash.name = QStringLiteral("Cassa");
    cash.cash = true;
    m_accounts.accounts = {bank, cash};
}

bool AccountsYear::commit(const AccountsRegister &changed, const QList<AccountMovement> &added,
                          const QList<AccountMovement> &removed, QString *error)
{
    if (m_accounts.closed) {
        *error = closedMessage(m_accounts);
        return false;
    }
    bool seriesWritten = false;
    if (!ShareLink::writeToSeries(m_series, added, removed, error, &seriesWritten))
        return false;
    AccountsRegister named = changed;
    for (const AccountMovement &movement : named.movements()) {
        if (movement.owner > 0)
            named.ownerNames.insert(movement.owner, m_archiveNames.value(movement.owner));
    }
    for (auto it = named.ownerOpenings.constBegin(); it != named.ownerOpenings.constEnd(); ++it)
        named.ownerNames.insert(it.key(), m_archiveNames.value(it.key()));
    if (!AccountsFile::save(named, m_path, error))
        return false;
    m_accounts = named;
    if (seriesWritten)
        m_series = YearSeries::load(m_archivePath, m_accounts.condoName, m_accounts.year);
    return true;
}

bool AccountsYear::addMovement(AccountMovement movement, QString *error, int *number)
{
    *error = shareRefusal(m_series, movement, nullptr);
    if (!error->isEmpty())
        return false;
    AccountsRegister changed = m_accounts;
    const int added = changed.add(movement);
    movement.number = added;
    if (!commit(changed, {movement}, {}, error))
        return false;
    if (number)
        *number = added;
    return true;
}

bool AccountsYear::replaceMovement(const AccountMovement &movement, QString *error)
{
    const AccountMovement *before = m_accounts.movement(movement.number);
    if (!before) {
        *error = QStringLiteral("il movimento n. %1 non è nel registro").arg(movement.number);
        return false;
    }
    *error = shareRefusal(m_series, movement, before);
    if (!error->isEmpty())
        return false;
    AccountsRegister changed = m_accounts;
    changed.replace(movement);
    return commit(changed, {movement}, {*before}, error);
}

bool AccountsYear::removeMovement(int number, QString *error)
{
    const AccountMovement *before = m_accounts.movement(number);
    if (!before) {
        *error = QStringLiteral("il movimento n. %1 non è nel registro").arg(number);
        return false;
    }
    const AccountMovement removed = *before;
    AccountsRegister changed = m_accounts;
    changed.remove(number);
    return commit(changed, {}, {removed}, error);
}

bool AccountsYear::addMovements(const QList<AccountMovement> &movements, QString *error)
{
    AccountsRegister incoming;
    incoming.setMovements(movements);
    for (int a = 1; a <= m_accounts.accounts.size(); ++a)
        incoming.accounts << m_accounts.accounts.at(a - 1);
    return merge(incoming, error);
}

bool AccountsYear::merge(const AccountsRegister &incoming, QString *error, int *added)
{
    AccountsRegister changed = m_accounts;
    const int before = int(changed.movements().size());
    const int count = MovementsCsv::merge(changed, incoming);
    if (incoming.firstDay.isValid())
        changed.firstDay = incoming.firstDay;
    const QList<AccountMovement> fresh = changed.movements().mid(before);
    for (const AccountMovement &movement : fresh) {
        *error = shareRefusal(m_series, movement, nullptr);
        if (!error->isEmpty()) {
            *error = AccountsCheck::movementName(movement.number, movement.operationDate, movement.cents)
                + QStringLiteral(": ") + *error;
            return false;
        }
    }
    if (!commit(changed, fresh, {}, error))
        return false;
    if (added)
        *added = count;
    return true;
}

bool AccountsYear::saveAccounts(const AccountsRegister &edited, QString *error)
{
    AccountsRegister changed = m_accounts;
    changed.accounts = edited.accounts;
    changed.firstDay = edited.firstDay;
    changed.ownerOpenings = edited.ownerOpenings;
    return commit(changed, {}, {}, error);
}

bool AccountsYear::setClosed(bool closed, QString *error)
{
    AccountsRegister changed = m_accounts;
    changed.closed = closed;
    if (!AccountsFile::save(changed, m_path, error))
        return false;
    m_accounts = changed;
    return true;
}

QString AccountsYear::archiveBeside(const QString &registerPath, const QString &condoName)
{
    return QFileInfo(registerPath).dir().filePath(QStringLiteral("Veltra-dati-") + condoName);
}

} // namespace veltra
