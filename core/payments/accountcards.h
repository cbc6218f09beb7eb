#pragma once

#include <QList>
#include <QString>

namespace veltra {

class PaymentsLedger;

// One row of an account card: an item of the series as the window shows it after moving
// to it, with the owner's dates (empty ones marked) and his share.
struct AccountCardRow
{
    QString amount;
    QString description;
    QString date;
    QString paymentDate;
    QString reminderDate;
    QString share; // euro, "##,##0.00"
};

// The account card of one owner: what the window held when the card began, one row per
// archived item, and the running totals after the last one.
struct AccountCard
{
    int owner = 0;
    QString condoName;
    int ownerCount = 0;
    QString currentItemDate; // date of the current item when the card began
    QString ownerName;
    QString ownerAddress;
    QList<AccountCardRow> rows;
    QString shownTotal;      // the condominium's running total as shown
    double ownerTotal = 0;   // euro
};

// The account cards as the payments window prints them: each walks the window through
// items 1..M, M being the archived count shown (none shown counts as 0), writing the
// marker into the owner's empty dates of every item it prints, and leaves the window on
// item M.
namespace AccountCards {

// The card of owner `first`; with allOwners also those of every following owner up to the
// owner count. No card, with the message naming the first item that fails in *refusal,
// when the series cannot be counted whole.
QList<AccountCard> collect(PaymentsLedger &ledger, int first, bool allOwners,
                           QString *refusal = nullptr);

} // namespace AccountCards

} // namespace veltra
