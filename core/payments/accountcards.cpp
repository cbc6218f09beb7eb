#include "core/payments/accountcards.h"

#include "core/payments/paymentdates.h"
#include "core/payments/paymentsledger.h"
#include "core/payments/serieswalk.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra::AccountCards {

namespace {

AccountCard beginCard(const SharedState &state, int currentItem, int i)
{
    AccountCard card;
    card.owner = i;
    card.condoName = state.condoName;
    card.ownerCount = state.ownerCount;
    card.currentItemDate = state.item(currentItem).expenseDate;
    card.ownerName = state.owner(i).ownerName;
    card.ownerAddress = state.owner(i).ownerAddress;
    return card;
}

// Moves the window to each item in turn, as the card is printed item by item.
AccountCard movingCard(PaymentsLedger &ledger, int m, int i)
{
    SharedState &state = ledger.state();
    AccountCard card = beginCard(state, ledger.currentItem(), i);
    for (int j = 1; j <= m; ++j) {
        ledger.goToItem(j);
        Owner &owner = state.owner(i);
        PaymentDates::markEmpty(owner);
        const ExpenseItem shown = ledger.shownItem();
        card.rows.append({shown.expenseAmount, shown.expenseType, shown.expenseDate,
                          owner.paymentDate, owner.reminderDate, owner.shareAmount});
    }
    card.shownTotal = ledger.shownTotal();
    card.ownerTotal = state.owner(i).ownerRunningTotal;
    return card;
}

QList<AccountCard> movingCards(PaymentsLedger &ledger, int m, int first, bool allOwners)
{
    QList<AccountCard> cards;
    for (int i = first;; ++i) {
        cards.append(movingCard(ledger, m, i));
        if (!allOwners || i >= ledger.state().ownerCount)
            return cards;
    }
}

// Reading a "preventivi" file leaves the dates in memory alone, so the marks a card
// writes stay; a "spese" file brings its own dates, marked as they are printed.
AccountCard cardFromFiles(const SeriesWalk &walk, SharedState &state, bool withPayments,
                          AccountCard card)
{
    const int i = card.owner;
    Owner &memory = state.owner(i);
    if (!withPayments)
        PaymentDates::markEmpty(memory);
    for (int j = 1; j <= walk.itemCount(); ++j) {
        const ExpenseArchive::LoadResult &file = walk.file(j);
        const ExpenseArchive::OwnerRecord &owner = file.owners[i - 1];
        const QString &payment = withPayments ? owner.paymentDate : memory.paymentDate;
        const QString &reminder = withPayments ? owner.reminderDate : memory.reminderDate;
        card.rows.append({file.expenseAmount, file.expenseType, file.expenseDate,
                          PaymentDates::marked(payment), PaymentDates::marked(reminder),
                          owner.shareAmount});
    }
    card.shownTotal = walk.shownTotal();
    card.ownerTotal = walk.ownerTotal(i);
    return card;
}

// After the first card the window stands on item m, as its file left it.
AccountCard beginCardOnLastItem(const SeriesWalk &walk, int i)
{
    const ExpenseArchive::LoadResult &last = walk.file(walk.itemCount());
    AccountCard card;
    card.owner = i;
    card.condoName = last.condoName;
    card.ownerCount = walk.ownerCount();
    card.currentItemDate = last.expenseDate;
    card.ownerName = last.owners[i - 1].ownerName;
    card.ownerAddress = last.owners[i - 1].ownerAddress;
    return card;
}

} // namespace

QList<AccountCard> collect(PaymentsLedger &ledger, int first, bool allOwners, QString *refusal)
{
    const int m = ledger.archivedCount().value_or(0);
    SharedState &state = ledger.state();
    const int lastOwner = allOwners ? std::max(first, state.ownerCount) : first;
    QString reason;
    const std::optional<SeriesWalk> walk = SeriesWalk::fromFiles(ledger, m, lastOwner, &reason);
    if (refusal)
        *refusal = reason;
    if (!reason.isEmpty())
        return {};
    if (!walk || first < 1)
        return movingCards(ledger, m, first, allOwners);
    QList<AccountCard> cards;
    for (int i = first;; ++i) {
        AccountCard card = i == first ? beginCard(state, ledger.currentItem(), i)
                                      : beginCardOnLastItem(*walk, i);
        cards.append(cardFromFiles(*walk, state, ledger.withPayments(), card));
        if (!allOwners || i >= walk->ownerCount())
            break;
    }
    // The window is left where the last card's moves leave it: on item m, with the marks
    // of the last owner printed on that item.
    walk->leaveOnLastItem(ledger);
    if (ledger.withPayments())
        PaymentDates::markEmpty(state.owner(cards.last().owner));
    return cards;
}

} // namespace veltra::AccountCards
