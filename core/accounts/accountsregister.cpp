#include "core/accounts/accountsregister.h"

#include <algorithm>

namespace veltra {

const AccountMovement *AccountsRegister::movement(int number) const
{
    for (const AccountMovement &movement : m_movements) {
        if (movement.number == number)
            return &movement;
    }
    return nullptr;
}

int AccountsRegister::add(AccountMovement movement)
{
    movement.number = ++m_lastNumber;
    m_movements.append(movement);
    return movement.number;
}

bool AccountsRegister::replace(const AccountMovement &movement)
{
    for (AccountMovement &held : m_movements) {
        if (held.number == movement.number) {
            held = movement;
            return true;
        }
    }
    return false;
}

bool AccountsRegister::remove(int number)
{
    for (qsizetype i = 0; i < m_movements.size(); ++i) {
        if (m_movements.at(i).number == number) {
            m_movements.removeAt(i);
            return true;
        }
    }
    return false;
}

void AccountsRegister::setMovements(QList<AccountMovement> movements)
{
    m_movements = std::move(movements);
    m_lastNumber = 0;
    for (const AccountMovement &movement : m_movements)
        m_lastNumber = std::max(m_lastNumber, movement.number);
}

QList<int> AccountsRegister::chronological() const
{
    QList<int> order(m_movements.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const AccountMovement &left = m_movements.at(a);
        const AccountMovement &right = m_movements.at(b);
        if (left.operationDate != right.operationDate)
            return left.operationDate < right.operationDate;
        return left.number < right.number;
    });
    return order;
}

long long AccountsRegister::balance(int account, const QDate &day) const
{
    long long cents = account >= 1 && account <= accounts.size() ? accounts.at(account - 1).openingCents : 0;
    for (const AccountMovement &movement : m_movements) {
        if (movement.account == account && movement.operationDate <= day)
            cents += movement.signedCents();
    }
    return cents;
}

long long AccountsRegister::closingBalance(int account) const
{
    return balance(account, QDate(9999, 12, 31));
}

int AccountsRegister::firstBankAccount() const
{
    for (int a = 1; a <= accounts.size(); ++a) {
        if (!accounts.at(a - 1).cash)
            return a;
    }
    return 1;
}

QStringList AccountsRegister::renumberOwners(const QMap<int, int> &moves)
{
    QStringList lost;
    if (moves.isEmpty())
        return lost;
    for (AccountMovement &movement : m_movements) {
        const auto found = moves.constFind(movement.owner);
        if (found == moves.constEnd())
            continue;
        if (found.value() == 0) {
            // Gone from the archive: the movement keeps his name, so that it is never lost.
            movement.supplier = ownerNames.value(movement.owner);
            movement.note = QStringLiteral("già condomino n. %1").arg(movement.owner);
        }
        movement.owner = found.value();
    }
    QMap<int, long long> openings;
    for (auto it = ownerOpenings.constBegin(); it != ownerOpenings.constEnd(); ++it) {
        const int to = moves.value(it.key(), it.key());
        if (to > 0)
            openings.insert(to, it.value());
        else
            lost << ownerNames.value(it.key());
    }
    QMap<int, QString> names;
    for (auto it = ownerNames.constBegin(); it != ownerNames.constEnd(); ++it) {
        const int to = moves.value(it.key(), it.key());
        if (to > 0)
            names.insert(to, it.value());
    }
    ownerOpenings = openings;
    ownerNames = names;
    return lost;
}

} // namespace veltra
