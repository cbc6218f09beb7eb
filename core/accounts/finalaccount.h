#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

class AccountsRegister;
class SharedState;
class YearSeries;
struct FinalAccountInputs;

// The figures of one financial year's rendiconto, in cents: each account from its opening to
// its closing, each owner from what he owed at the start through his shares and payments to
// what he owes at the end, each expense item against what was paid for it and against the
// budget, the funds, and the equation that ties them together:
//   cash and bank + owners' debts - owners' credits - debts to suppliers = funds + result.
// The result is computed on its own (the opening equity, shares less item amounts, the
// receipts and payments no owner, item or fund accounts for), so the equation checks the
// register: a transfer with one leg only leaves it unbalanced. Positive owner balances are
// what he owes.
class FinalAccount
{
public:
    struct Account
    {
        QString name;
        bool cash = false;
        long long openingCents = 0;
        long long receiptsCents = 0;
        long long paymentsCents = 0;
        long long closingCents = 0;
        std::optional<long long> statementCents; // the bank's balance on the statement's day, when kept
        long long registerAtStatementCents = 0;  // the register's balance on that same day
        QString explanation;                     // why the bank's balance differs
        long long differenceCents() const { return statementCents ? *statementCents - registerAtStatementCents : 0; }
    };

    struct Owner
    {
        int number = 0;
        QString name;
        long long openingCents = 0;
        QMap<int, long long> shares; // by item
        long long sharesCents = 0;
        long long paidCents = 0;     // receipts less refunds
        long long closingCents = 0;
        QDate arrearsSince;          // the first day of the oldest share still unpaid, when he owes
        bool arrearsFromBefore = false; // what he owes goes back to the years before
    };

    struct Item
    {
        int number = 0;
        QString description;
        QString date;
        int criterion = 0;           // the calcType of the allocation
        long long amountCents = 0;
        long long sharesCents = 0;   // the sum of the rounded shares
        long long paidCents = 0;     // to the supplier (and to the tax office for his withholding)
        int fund = 0;                // the fund (from 1) the item fills, 0 when it pays a supplier
        long long roundingCents() const { return sharesCents - amountCents; }
        long long owedCents() const { return fund > 0 ? 0 : amountCents - paidCents; }
    };

    struct BudgetLine
    {
        QString description;
        std::optional<long long> budgetCents; // none: the item was not in the budget
        long long actualCents = 0;
        long long differenceCents() const { return actualCents - budgetCents.value_or(0); }
        // Spent more than a tenth above what the budget allowed.
        bool overBudget() const { return budgetCents && actualCents * 10 > *budgetCents * 11; }
    };

    struct Fund
    {
        QString name;
        int item = 0;
        long long openingCents = 0;
        long long contributionsCents = 0;
        long long usesCents = 0;
        long long closingCents() const { return openingCents + contributionsCents - usesCents; }
    };

    struct Equation
    {
        long long cashAndBankCents = 0;
        long long ownersDebtsCents = 0;   // what owners owe
        long long ownersCreditsCents = 0; // what is owed to owners, positive
        long long supplierDebtsCents = 0; // what is owed to suppliers (less what they owe back)
        long long fundsCents = 0;
        long long openingResultCents = 0; // carried from the years before
        long long yearResultCents = 0;
        long long assetsCents() const { return cashAndBankCents + ownersDebtsCents - ownersCreditsCents - supplierDebtsCents; }
        long long resultCents() const { return openingResultCents + yearResultCents; }
        long long differenceCents() const { return assetsCents() - fundsCents - resultCents(); }
    };

    QString condoName;
    int year = 0;
    QDate firstDay;
    QDate lastDay;
    bool closed = false;
    QList<Account> accounts;
    QList<Owner> owners;
    QList<Item> items;
    QList<BudgetLine> budget;  // empty when the year has no budget series
    QList<Fund> funds;
    Equation equation;
    // What changes a figure: the rendiconto cannot be printed while any is there.
    QStringList blocking;

    // By when the administrator must act against the owners in arrears (art. 1129, comma 9,
    // c.c.): six months from the close of the year.
    QDate actionDeadline() const { return lastDay.addMonths(6); }
    const Owner *owner(int number) const;
    const Item *item(int number) const;
    QList<Owner> ownersInArrears() const;
    QList<BudgetLine> overBudget() const;
    bool canPrint() const { return blocking.isEmpty(); }

    // budget is the year's "preventivi" series, empty when there is none.
    static FinalAccount compute(const AccountsRegister &accounts, const YearSeries &series, const YearSeries &budget,
                                const FinalAccountInputs &inputs, const SharedState &state);
};

} // namespace veltra
