#include "core/accounts/accountscheck.h"

#include "core/accounts/accountsregister.h"
#include "core/accounts/ownerledger.h"
#include "core/accounts/yearseries.h"
#include "core/numbers/money.h"
#include "core/registry/iban.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"

#include <QMap>
#include <QSet>

#include <tuple>

namespace veltra::AccountsCheck {

namespace {

class RegisterChecks
{
public:
    RegisterChecks(const AccountsRegister &accounts, const YearSeries &series, const SharedState &state)
        : m_accounts(accounts), m_series(series), m_state(state)
    {
    }

    QList<Finding> run()
    {
        checkAccounts();
        for (int index : m_accounts.chronological())
            checkMovement(m_accounts.movements().at(index));
        checkBalances();
        return m_findings;
    }

private:
    void add(const AccountMovement &movement, const QString &rule, bool warning = false)
    {
        m_findings << Finding{movement.number, warning,
                              movementName(movement.number, movement.operationDate, movement.cents)
                                  + QStringLiteral(": ") + rule};
    }

    void checkAccounts()
    {
        for (const LedgerAccount &account : m_accounts.accounts) {
            if (!account.cash && !account.iban.isEmpty() && !Iban::isValid(account.iban))
                m_findings << Finding{0, false, QStringLiteral("conto \"%1\": l'IBAN %2 non supera il controllo delle cifre")
                                                    .arg(account.name, account.iban)};
        }
    }

    void checkMovement(const AccountMovement &movement)
    {
        checkDates(movement);
        const bool cash = movement.account >= 1 && movement.account <= m_accounts.accounts.size()
                          && m_accounts.accounts.at(movement.account - 1).cash;
        if (cash)
            add(movement, QStringLiteral("movimento di cassa: ogni somma deve passare dal conto corrente "
                                         "del condominio (art. 1129, comma 7, c.c.)"), true);
        if (movement.owner > 0)
            checkOwner(movement);
        if (movement.cause == MovementCause::Expense && !movement.receipt && movement.item > 0)
            checkExpense(movement);
        if (!movement.supplierCode.isEmpty() && !TaxCode::isFiscalCode(movement.supplierCode))
            add(movement, QStringLiteral("il codice fiscale o la partita IVA %1 non supera il controllo").arg(movement.supplierCode));
        checkTwin(movement);
    }

    void checkDates(const AccountMovement &movement)
    {
        if (movement.operationDate < m_accounts.firstDay || movement.operationDate > m_accounts.lastDay())
            add(movement, QStringLiteral("data fuori dall'esercizio (%1 - %2)")
                              .arg(m_accounts.firstDay.toString(QStringLiteral("dd/MM/yyyy")),
                                   m_accounts.lastDay().toString(QStringLiteral("dd/MM/yyyy"))));
        const qint64 days = movement.operationDate.daysTo(movement.registrationDate);
        if (days > RegistrationDays)
            add(movement, QStringLiteral("registrato %1 giorni dopo l'operazione, oltre i %2 (art. 1130, n. 7, c.c.)")
                              .arg(days).arg(RegistrationDays));
        else if (days < 0)
            add(movement, QStringLiteral("registrato prima della data dell'operazione"), true);
    }

    void checkOwner(const AccountMovement &movement)
    {
        if (m_state.owner(movement.owner).ownerName.isEmpty()) {
            add(movement, QStringLiteral("il condomino n. %1 non è nell'anagrafica").arg(movement.owner));
            return;
        }
        long long &owed = m_owed[movement.owner];
        if (!m_owedKnown.contains(movement.owner)) {
            owed = OwnerLedger::due(m_accounts, m_series, movement.owner);
            m_owedKnown.insert(movement.owner);
        }
        if (!movement.receipt) {
            owed += movement.cents;
            return;
        }
        if (movement.isSharePayment() && movement.cents > m_series.share(movement.item, movement.owner))
            add(movement, QStringLiteral("supera la quota della voce %1 (%2 euro)")
                              .arg(movement.item).arg(Money::fromCents(m_series.share(movement.item, movement.owner)).format()));
        else if (movement.cents > owed)
            add(movement, QStringLiteral("supera quanto il condomino doveva (%1 euro)").arg(Money::fromCents(owed).format()));
        owed -= movement.cents;
    }

    void checkExpense(const AccountMovement &movement)
    {
        const SeriesItem *item = m_series.item(movement.item);
        if (!item) {
            add(movement, QStringLiteral("la voce %1 non è tra le spese dell'anno").arg(movement.item));
            return;
        }
        long long &paid = m_paidToSuppliers[movement.item];
        paid += movement.cents;
        if (paid > item->cents)
            add(movement, QStringLiteral("i pagamenti della voce %1 (%2 euro) superano il suo importo (%3 euro)")
                              .arg(movement.item).arg(Money::fromCents(paid).format(), Money::fromCents(item->cents).format()));
    }

    void checkTwin(const AccountMovement &movement)
    {
        const auto key = std::make_tuple(movement.operationDate.toJulianDay(), movement.cents, movement.receipt,
                                         movement.owner, movement.supplier.toLower());
        const auto found = m_seen.constFind(key);
        if (found != m_seen.constEnd())
            add(movement, QStringLiteral("uguale al movimento n. %1 (data, importo, controparte)").arg(found.value()), true);
        else
            m_seen.insert(key, movement.number);
    }

    void checkBalances()
    {
        const QList<int> order = m_accounts.chronological();
        for (int a = 1; a <= m_accounts.accounts.size(); ++a) {
            long long balance = m_accounts.accounts.at(a - 1).openingCents;
            for (int i = 0; i < order.size(); ++i) {
                const AccountMovement &movement = m_accounts.movements().at(order.at(i));
                if (movement.account != a)
                    continue;
                balance += movement.signedCents();
                const bool dayEnds = i + 1 == order.size()
                                     || m_accounts.movements().at(order.at(i + 1)).operationDate != movement.operationDate;
                if (balance < 0 && dayEnds) {
                    m_findings << Finding{0, false, QStringLiteral("conto \"%1\": saldo negativo (%2 euro) il %3")
                                                        .arg(m_accounts.accounts.at(a - 1).name, Money::fromCents(balance).format(),
                                                             movement.operationDate.toString(QStringLiteral("dd/MM/yyyy")))};
                    break;
                }
            }
        }
    }

    const AccountsRegister &m_accounts;
    const YearSeries &m_series;
    const SharedState &m_state;
    QList<Finding> m_findings;
    QMap<int, long long> m_owed;
    QSet<int> m_owedKnown;
    QMap<int, long long> m_paidToSuppliers;
    QMap<std::tuple<qint64, long long, bool, int, QString>, int> m_seen;
};

} // namespace

QList<Finding> check(const AccountsRegister &accounts, const YearSeries &series, const SharedState &state)
{
    return RegisterChecks(accounts, series, state).run();
}

QString movementName(int number, const QDate &day, long long cents)
{
    return QStringLiteral("mov. n. %1 del %2 di %3 euro")
        .arg(number).arg(day.toString(QStringLiteral("dd/MM/yyyy")), Money::fromCents(cents).format());
}

} // namespace veltra::AccountsCheck
