#pragma once

#include "core/accounts/ledgeraccount.h"
#include "core/accounts/accountmovement.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace veltra {

// The register of receipts and payments of one financial year, with the accounts the money
// goes through and each owner's balance carried in from the year before. Movements keep the
// number they were entered with; the chronological order is by operation date, then number.
class AccountsRegister
{
public:
    QString condoName;
    int year = 0;              // the year the register is named after
    QDate firstDay;            // of the financial year: 1 January, or e.g. 1 July
    bool closed = false;
    QList<LedgerAccount> accounts;
    QMap<int, long long> ownerOpenings; // by owner number: + he owed, - he was owed
    // The owners' names as the archive had them when the register was last saved, by
    // number, so that a register follows its owners when the archive renumbers them.
    QMap<int, QString> ownerNames;

    // The last day of the financial year: the day before firstDay a year later.
    QDate lastDay() const { return firstDay.addYears(1).addDays(-1); }

    const QList<AccountMovement> &movements() const { return m_movements; }
    const AccountMovement *movement(int number) const;
    // Adds the movement with the next free number, which it returns.
    int add(AccountMovement movement);
    // Puts movement in place of the one with its number; false when there is none.
    bool replace(const AccountMovement &movement);
    bool remove(int number);
    // Takes movements as read from a file, numbers and all.
    void setMovements(QList<AccountMovement> movements);

    // The movements in chronological order, as indexes into movements().
    QList<int> chronological() const;
    // The account's balance after every movement up to and including day.
    long long balance(int account, const QDate &day) const;
    long long closingBalance(int account) const;
    // Where money goes when no account is named: the first bank account, since every sum
    // must pass through one; the first account when all are cash.
    int firstBankAccount() const;

    // Owner numbers from now on: whoever was a key is its value. An owner moved to 0 is no
    // longer in the archive: his movements keep his name as their counterpart; the names of
    // those whose opening balance had to be dropped are returned.
    QStringList renumberOwners(const QMap<int, int> &moves);

private:
    QList<AccountMovement> m_movements;
    int m_lastNumber = 0;
};

} // namespace veltra
