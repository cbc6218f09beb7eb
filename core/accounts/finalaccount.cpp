#include "core/accounts/finalaccount.h"

#include "core/accounts/accountscheck.h"
#include "core/accounts/accountsregister.h"
#include "core/accounts/finalaccountinputs.h"
#include "core/accounts/yearseries.h"
#include "core/assembly/calendardate.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"

#include <QMultiHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>

namespace veltra {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QString euro(long long cents)
{
    return Money::fromCents(cents).format();
}

QString movementName(const AccountMovement &movement)
{
    return AccountsCheck::movementName(movement.number, movement.operationDate, movement.cents);
}

// Budget and actual items are the same expense when their descriptions are, letter case
// and blanks aside: the series are numbered on their own and seldom hold the same items.
QString matchKey(const QString &description)
{
    return description.simplified().toLower();
}

class Computation
{
public:
    Computation(const AccountsRegister &accounts, const YearSeries &series, const YearSeries &budget,
                const FinalAccountInputs &inputs, const SharedState &state)
        : m_accounts(accounts), m_series(series), m_budget(budget), m_inputs(inputs), m_state(state)
    {
    }

    FinalAccount run()
    {
        m_result.condoName = m_accounts.condoName;
        m_result.year = m_accounts.year;
        m_result.firstDay = m_accounts.firstDay;
        m_result.lastDay = m_accounts.lastDay();
        m_result.closed = m_accounts.closed;
        checkSources();
        computeAccounts();
        computeItems();
        computeFunds();
        for (int index : m_accounts.chronological())
            classify(m_accounts.movements().at(index));
        checkTransfers();
        computeOwners();
        computeBudget();
        computeEquation();
        return m_result;
    }

private:
    void block(const QString &text) { m_result.blocking << text; }

    void checkSources()
    {
        if (m_accounts.condoName != m_state.condoName)
            block(QStringLiteral("il registro è del condominio \"%1\", l'archivio di \"%2\"")
                      .arg(m_accounts.condoName, m_state.condoName));
        if (!m_series.problem.isEmpty())
            block(m_series.problem);
        if (!m_budget.problem.isEmpty())
            block(m_budget.problem);
    }

    void computeAccounts()
    {
        for (int a = 1; a <= m_accounts.accounts.size(); ++a) {
            const LedgerAccount &ledger = m_accounts.accounts.at(a - 1);
            FinalAccount::Account account;
            account.name = ledger.name;
            account.cash = ledger.cash;
            account.openingCents = ledger.openingCents;
            for (const AccountMovement &movement : m_accounts.movements()) {
                if (movement.account == a)
                    (movement.receipt ? account.receiptsCents : account.paymentsCents) += movement.cents;
            }
            account.closingCents = account.openingCents + account.receiptsCents - account.paymentsCents;
            compareStatement(account, a);
            m_result.accounts << account;
        }
        for (const StatementBalance &balance : m_inputs.statementBalances) {
            bool known = false;
            for (const LedgerAccount &ledger : m_accounts.accounts)
                known = known || ledger.name == balance.account;
            if (!known)
                block(QStringLiteral("l'estratto conto indica il conto \"%1\", che non è nel registro").arg(balance.account));
        }
    }

    void compareStatement(FinalAccount::Account &account, int a)
    {
        const StatementBalance *statement = m_inputs.statementOf(account.name);
        if (!statement)
            return;
        account.statementCents = statement->cents;
        account.explanation = statement->explanation;
        account.registerAtStatementCents = m_accounts.balance(a, statement->day);
        const long long registerCents = account.registerAtStatementCents;
        if (account.differenceCents() != 0 && statement->explanation.trimmed().isEmpty())
            block(QStringLiteral("conto \"%1\": l'estratto conto al %2 dice %3 euro, il registro %4 euro; la differenza "
                                 "di %5 euro va spiegata")
                      .arg(account.name, statement->day.toString(DateFormat), euro(statement->cents), euro(registerCents),
                           euro(statement->cents - registerCents)));
    }

    void computeItems()
    {
        for (const SeriesItem &seriesItem : m_series.items) {
            FinalAccount::Item item;
            item.number = seriesItem.number;
            item.description = seriesItem.description;
            item.date = seriesItem.date;
            item.criterion = seriesItem.criterion;
            item.amountCents = seriesItem.cents;
            for (long long share : seriesItem.shares)
                item.sharesCents += share;
            m_result.items << item;
            m_yearResult += item.roundingCents();
        }
    }

    void computeFunds()
    {
        QSet<int> fed;
        for (int f = 1; f <= m_inputs.funds.size(); ++f) {
            const FundAccount &input = m_inputs.funds.at(f - 1);
            FinalAccount::Fund fund{input.name, input.item, input.openingCents, 0, 0};
            if (input.item > 0) {
                FinalAccount::Item *item = itemNumbered(input.item);
                if (!item)
                    block(QStringLiteral("il fondo \"%1\" è alimentato dalla voce %2, che non è tra le spese dell'anno")
                              .arg(input.name).arg(input.item));
                else if (fed.contains(input.item))
                    block(QStringLiteral("la voce %1 alimenta più di un fondo").arg(input.item));
                else {
                    item->fund = f;
                    fund.contributionsCents += item->amountCents;
                }
                fed.insert(input.item);
            }
            m_result.funds << fund;
        }
    }

    FinalAccount::Item *itemNumbered(int number)
    {
        return number >= 1 && number <= m_result.items.size() ? &m_result.items[number - 1] : nullptr;
    }

    // Where each movement goes: an owner's account, a transfer, a fund, an item's supplier,
    // or else straight into the year's result.
    void classify(const AccountMovement &movement)
    {
        if (movement.operationDate < m_result.firstDay || movement.operationDate > m_result.lastDay)
            block(movementName(movement) + QStringLiteral(": la data è fuori dall'esercizio"));
        if (movement.owner > 0) {
            m_ownerPaid[movement.owner] += movement.signedCents();
            m_ownerMovements[movement.owner] << movement;
            return;
        }
        switch (movement.cause) {
        case MovementCause::Transfer:
            m_transfers << movement;
            return;
        case MovementCause::SpecialFund: {
            FinalAccount::Fund &fund = m_result.funds[m_inputs.fundOf(movement.number) - 1];
            (movement.receipt ? fund.contributionsCents : fund.usesCents) += movement.cents;
            return;
        }
        case MovementCause::Expense:
        case MovementCause::Withholding:
            if (movement.item > 0) {
                payItem(movement);
                return;
            }
            break;
        default:
            break;
        }
        m_yearResult += movement.signedCents();
    }

    void payItem(const AccountMovement &movement)
    {
        FinalAccount::Item *item = itemNumbered(movement.item);
        if (!item)
            block(movementName(movement) + QStringLiteral(": la voce %1 non è tra le spese dell'anno").arg(movement.item));
        else if (item->fund > 0)
            block(movementName(movement) + QStringLiteral(": la voce %1 alimenta il fondo \"%2\"; i suoi utilizzi vanno "
                                                          "registrati con la causale fondo")
                                               .arg(movement.item).arg(m_result.funds.at(item->fund - 1).name));
        else
            item->paidCents -= movement.signedCents();
    }

    // Every transfer leaves one account and enters another on the same day with the same
    // amount; a leg without its twin would create or destroy money.
    void checkTransfers()
    {
        QMultiHash<std::pair<qint64, long long>, int> waiting; // unpaired legs by day and amount
        QList<bool> paired(m_transfers.size(), false);
        for (int i = 0; i < m_transfers.size(); ++i) {
            const AccountMovement &leg = m_transfers.at(i);
            const auto key = std::make_pair(leg.operationDate.toJulianDay(), leg.cents);
            auto twin = waiting.find(key);
            while (twin != waiting.end() && twin.key() == key
                   && (m_transfers.at(*twin).receipt == leg.receipt || m_transfers.at(*twin).account == leg.account))
                ++twin;
            if (twin != waiting.end() && twin.key() == key) {
                paired[i] = paired[*twin] = true;
                waiting.erase(twin);
            } else {
                waiting.insert(key, i);
            }
        }
        for (int i = 0; i < m_transfers.size(); ++i) {
            if (!paired.at(i))
                block(movementName(m_transfers.at(i)) + QStringLiteral(": giroconto senza il movimento opposto su un altro conto"));
        }
    }

    QList<int> ownerNumbers() const
    {
        QSet<int> numbers;
        for (int n = 1; n <= m_state.ownerCount; ++n)
            numbers.insert(n);
        for (auto it = m_accounts.ownerOpenings.constBegin(); it != m_accounts.ownerOpenings.constEnd(); ++it)
            numbers.insert(it.key());
        for (auto it = m_ownerPaid.constBegin(); it != m_ownerPaid.constEnd(); ++it)
            numbers.insert(it.key());
        for (const SeriesItem &item : m_series.items) {
            for (auto it = item.shares.constBegin(); it != item.shares.constEnd(); ++it)
                numbers.insert(it.key());
        }
        QList<int> sorted(numbers.begin(), numbers.end());
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

    void computeOwners()
    {
        for (int number : ownerNumbers()) {
            FinalAccount::Owner owner;
            owner.number = number;
            const bool registered = number <= m_state.ownerCount && !m_state.owner(number).ownerName.isEmpty();
            owner.name = registered ? m_state.owner(number).ownerName : m_accounts.ownerNames.value(number);
            owner.openingCents = m_accounts.ownerOpenings.value(number);
            for (const SeriesItem &item : m_series.items) {
                if (item.shares.contains(number)) {
                    owner.shares.insert(item.number, item.shares.value(number));
                    owner.sharesCents += item.shares.value(number);
                }
            }
            owner.paidCents = m_ownerPaid.value(number);
            owner.closingCents = owner.openingCents + owner.sharesCents - owner.paidCents;
            if (!registered && (owner.openingCents != 0 || m_ownerPaid.contains(number) || owner.sharesCents != 0))
                block(QStringLiteral("il condomino n. %1%2 del registro non è nell'anagrafica del condominio")
                          .arg(number).arg(owner.name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(owner.name)));
            findArrears(owner);
            m_result.owners << owner;
        }
    }

    // A share payment settles its own item; what is paid besides (or beyond a share)
    // settles the oldest debt first: what was carried in, then the shares in the order of
    // their items' dates. The oldest debt still open says since when he is in arrears.
    void findArrears(FinalAccount::Owner &owner) const
    {
        if (owner.closingCents <= 0)
            return;
        QMap<int, long long> open = owner.shares;
        long long loose = -owner.openingCents;
        for (const AccountMovement &movement : m_ownerMovements.value(owner.number)) {
            long long cents = movement.signedCents();
            if (cents > 0 && open.contains(movement.item)) {
                const long long settled = std::min(cents, open.value(movement.item));
                open[movement.item] -= settled;
                cents -= settled;
            }
            loose += cents;
        }
        if (loose < 0) {
            owner.arrearsFromBefore = true;
            owner.arrearsSince = m_result.firstDay;
            return;
        }
        QList<std::pair<QDate, long long>> dated;
        for (auto it = open.constBegin(); it != open.constEnd(); ++it) {
            const SeriesItem *item = m_series.item(it.key());
            dated << std::make_pair(CalendarDate::read(item->date).value_or(m_result.firstDay), it.value());
        }
        std::stable_sort(dated.begin(), dated.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &share : dated) {
            loose -= share.second;
            if (loose < 0) {
                owner.arrearsSince = share.first;
                return;
            }
        }
    }

    void computeBudget()
    {
        if (m_budget.items.isEmpty())
            return;
        QList<const SeriesItem *> unused;
        for (const SeriesItem &item : m_budget.items)
            unused << &item;
        for (const FinalAccount::Item &item : m_result.items) {
            FinalAccount::BudgetLine line{item.description, std::nullopt, item.amountCents};
            for (int i = 0; i < unused.size(); ++i) {
                if (matchKey(unused.at(i)->description) == matchKey(item.description)) {
                    line.budgetCents = unused.takeAt(i)->cents;
                    break;
                }
            }
            m_result.budget << line;
        }
        for (const SeriesItem *item : unused)
            m_result.budget << FinalAccount::BudgetLine{item->description, item->cents, 0};
    }

    void computeEquation()
    {
        FinalAccount::Equation &equation = m_result.equation;
        long long openingAssets = 0;
        for (const FinalAccount::Account &account : m_result.accounts) {
            equation.cashAndBankCents += account.closingCents;
            openingAssets += account.openingCents;
        }
        for (const FinalAccount::Owner &owner : m_result.owners) {
            (owner.closingCents > 0 ? equation.ownersDebtsCents : equation.ownersCreditsCents) += std::abs(owner.closingCents);
            openingAssets += owner.openingCents;
        }
        for (const FinalAccount::Item &item : m_result.items)
            equation.supplierDebtsCents += item.owedCents();
        long long openingFunds = 0;
        for (const FinalAccount::Fund &fund : m_result.funds) {
            equation.fundsCents += fund.closingCents();
            openingFunds += fund.openingCents;
        }
        equation.openingResultCents = openingAssets - openingFunds;
        equation.yearResultCents = m_yearResult;
        if (equation.differenceCents() != 0)
            block(QStringLiteral("il riepilogo non torna: liquidità e crediti meno debiti superano fondi e risultato di %1 euro")
                      .arg(euro(equation.differenceCents())));
    }

    const AccountsRegister &m_accounts;
    const YearSeries &m_series;
    const YearSeries &m_budget;
    const FinalAccountInputs &m_inputs;
    const SharedState &m_state;
    FinalAccount m_result;
    QMap<int, long long> m_ownerPaid;
    QMap<int, QList<AccountMovement>> m_ownerMovements; // in chronological order
    QList<AccountMovement> m_transfers;
    long long m_yearResult = 0; // shares less amounts, and what no owner, item or fund accounts for
};

} // namespace

const FinalAccount::Owner *FinalAccount::owner(int number) const
{
    for (const Owner &candidate : owners) {
        if (candidate.number == number)
            return &candidate;
    }
    return nullptr;
}

const FinalAccount::Item *FinalAccount::item(int number) const
{
    return number >= 1 && number <= items.size() ? &items.at(number - 1) : nullptr;
}

QList<FinalAccount::Owner> FinalAccount::ownersInArrears() const
{
    QList<Owner> late;
    for (const Owner &candidate : owners) {
        if (candidate.closingCents > 0)
            late << candidate;
    }
    return late;
}

QList<FinalAccount::BudgetLine> FinalAccount::overBudget() const
{
    QList<BudgetLine> over;
    for (const BudgetLine &line : budget) {
        if (line.overBudget())
            over << line;
    }
    return over;
}

FinalAccount FinalAccount::compute(const AccountsRegister &accounts, const YearSeries &series, const YearSeries &budget,
                                   const FinalAccountInputs &inputs, const SharedState &state)
{
    return Computation(accounts, series, budget, inputs, state).run();
}

} // namespace veltra
