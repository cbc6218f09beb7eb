#pragma once

#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QStringList>

#include <memory>

namespace veltra {

// The payments window's moves done the straightforward way, for the tests to compare with
// and the benches to measure the gain against: every move to item k reads the files of
// items 1..k from disk again, and the account cards and the balance move to every item in
// turn, as the window does. No cache, no shortcut.
class PlainSeries
{
public:
    PlainSeries(const QString &folder, ManagementType type, const SharedState &start)
        : m_folder(folder)
        , m_type(type)
        , state(std::make_unique<SharedState>())
    {
        state->texts = start.texts;
        state->condoName = start.condoName;
        state->ownerCount = start.ownerCount;
        state->calcType = start.calcType;
        for (int k = 1; k <= MaxItems; ++k)
            state->item(k) = start.item(k);
        for (int i = 1; i <= MaxOwners; ++i)
            state->owner(i) = start.owner(i);
    }

    void goTo(int k)
    {
        while (k >= 2 && state->item(k - 1).expenseAmount.isEmpty())
            --k;
        current = k;
        shownTotal = QStringLiteral("0");
        for (int i = 1; i <= MaxOwners; ++i)
            state->owner(i).ownerRunningTotal = 0;
        for (int j = 1; j <= k; ++j) {
            read(j);
            const QString amount = state->item(j).expenseAmount;
            if (NumberText::leading(amount) > 0) {
                for (int i = 1; i <= state->ownerCount; ++i)
                    state->owner(i).ownerRunningTotal +=
                        NumberText::read(state->owner(i).shareAmount).value_or(0.0);
            }
            if (!amount.isEmpty()) {
                shownTotal = NumberText::plain(NumberText::read(shownTotal).value_or(0.0)
                                               + NumberText::read(amount).value_or(0.0));
            }
        }
    }

    // The amount, description and date the window shows for the current item.
    QStringList shownItem() const
    {
        const ExpenseItem &item = state->item(current);
        if (item.expenseAmount.isEmpty())
            return {QString(), QString(), QString()};
        return {item.expenseAmount, item.expenseType, item.expenseDate};
    }

    // The card table of owner i, moving to items 1..m and marking his empty dates.
    QList<QStringList> card(int i, int m)
    {
        QList<QStringList> rows = {{QStringLiteral("n."), QStringLiteral("spesa totale"),
                                    QStringLiteral("tipo di spesa"), QStringLiteral("data della spesa"),
                                    QStringLiteral("data del pagamento"),
                                    QStringLiteral("data del sollecito"),
                                    QStringLiteral("spesa ripartita")}};
        for (int j = 1; j <= m; ++j) {
            goTo(j);
            Owner &owner = state->owner(i);
            if (owner.paymentDate.isEmpty())
                owner.paymentDate = QStringLiteral("----------");
            if (owner.reminderDate.isEmpty())
                owner.reminderDate = QStringLiteral("----------");
            rows.append(QStringList{NumberText::str(j)} + shownItem()
                        + QStringList{owner.paymentDate, owner.reminderDate, owner.shareAmount});
        }
        // Totals are money people read: two decimals and the thousands dot.
        const QString euro = NumberFormat::EuroPattern;
        rows.append({QStringLiteral("totali"),
                     formatNumber(NumberText::read(shownTotal).value_or(0.0), euro), QString(),
                     QString(), QString(), QString(),
                     formatNumber(state->owner(i).ownerRunningTotal, euro)});
        return rows;
    }

    // The balance rows after the heading, in euro as numbers: income, outstanding, amount.
    QList<QList<double>> balance(int m)
    {
        QList<QList<double>> rows;
        for (int j = 1; j <= m; ++j) {
            goTo(j);
            double income = 0;
            for (int i = 1; i <= state->ownerCount; ++i) {
                if (!state->owner(i).paymentDate.isEmpty())
                    income += NumberText::read(state->owner(i).shareAmount).value_or(0.0);
            }
            const double amount = NumberText::read(shownItem()[0]).value_or(0.0);
            rows.append({income, amount - income, amount});
        }
        return rows;
    }

    int current = 1;
    QString shownTotal;
    int reads = 0;
    std::unique_ptr<SharedState> state;

private:
    void read(int j)
    {
        const std::optional<int> year = ExpenseFileName::yearOf(state->item(1).expenseDate);
        if (!year)
            return;
        const QString path = QDir(m_folder).filePath(
            ExpenseFileName::build(m_type, state->condoName, *year, j));
        const bool payments = m_type == ManagementType::Spese;
        ++reads;
        ExpenseArchive::apply(ExpenseArchive::load(path, payments), *state, j, payments);
    }

    QString m_folder;
    ManagementType m_type;
};

} // namespace veltra
