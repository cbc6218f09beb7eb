#include "core/payments/paymentsledger.h"

#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"

#include <QFileInfo>

#include <algorithm>

namespace veltra {

PaymentsLedger::PaymentsLedger(SharedState &state, Platform &platform)
    : m_state(state)
    , m_platform(platform)
    , m_series(state)
{
}

ExpenseItem PaymentsLedger::shownItem() const
{
    const ExpenseItem &item = m_state.item(m_currentItem);
    return item.expenseAmount.isEmpty() ? ExpenseItem() : item;
}

PaymentsLedger::Move PaymentsLedger::chooseManagementType(ManagementType type)
{
    m_series.setType(type);
    if (type == ManagementType::Preventivi) {
        for (int i = 1; i <= std::clamp(m_state.ownerCount, 0, MaxOwners); ++i) {
            m_state.owner(i).paymentDate.clear();
            m_state.owner(i).reminderDate.clear();
        }
    }
    m_currentItem = 1;
    return goToItem(1);
}

QString PaymentsLedger::chooseFileToOpen(OpenOutcome &outcome)
{
    if (!m_series.currentFileName().isEmpty()) {
        const std::optional<QString> name = m_series.nameOf(m_loadIndex);
        if (!name) {
            outcome = OpenOutcome::NothingToOpen;
            return QString();
        }
        return *name;
    }
    // Without a file of the series only its first item can be asked for.
    if (m_currentItem >= 2) {
        outcome = OpenOutcome::NothingToOpen;
        return QString();
    }
    const QString chosen = m_series.chooseFirstFile(m_platform, notFirstFileMessage());
    if (chosen.isEmpty())
        outcome = OpenOutcome::Cancelled;
    return chosen;
}

PaymentsLedger::OpenOutcome PaymentsLedger::openItemFile()
{
    m_loadIndex = std::clamp(m_loadIndex, 1, MaxItems);
    if (m_series.type() == ManagementType::None) {
        m_platform.showMessage(MessageIcon::Critical, m_state.texts.checkTitle, noTypeMessage());
        return OpenOutcome::NoType;
    }
    OpenOutcome outcome = OpenOutcome::Opened;
    const QString name = chooseFileToOpen(outcome);
    if (name.isEmpty())
        return outcome;
    m_series.setCurrentFileName(name);
    const SeriesCache::File file = m_cache.load(name, withPayments());
    m_problem = itemRefusal(m_loadIndex, name, *file, m_loadIndex >= 2);
    if (!file->opened && !QFileInfo::exists(name))
        return OpenOutcome::Missing;
    if (!m_problem.isEmpty())
        return OpenOutcome::Unreadable;
    ExpenseArchive::apply(*file, m_state, m_loadIndex, withPayments());
    return OpenOutcome::Opened;
}

QString PaymentsLedger::itemRefusal(int j, const QString &path,
                                    const ExpenseArchive::LoadResult &file,
                                    bool inSeries) const
{
    QString reason;
    if (!file.opened) {
        reason = !QFileInfo::exists(path) ? QStringLiteral("il file manca")
            : file.problem.isEmpty()      ? QStringLiteral("il file non può essere aperto")
                                          : file.problem;
    } else if (!file.isComplete()) {
        reason = file.problem;
    } else if (inSeries && file.condoName != m_state.condoName) {
        reason = QString::fromUtf8("è del condominio \"%1\", non di \"%2\"")
                     .arg(file.condoName, m_state.condoName);
    } else if (inSeries
               && ExpenseFileName::yearOf(file.expenseDate)
                   != ExpenseFileName::yearOf(m_state.item(1).expenseDate)) {
        reason = QString::fromUtf8("la sua data \"%1\" non è dell'anno della spesa n.1 (%2)")
                     .arg(file.expenseDate, m_state.item(1).expenseDate);
    }
    if (reason.isEmpty())
        return reason;
    return QString::fromUtf8("La spesa n.%1 (file \"%2\") non è stata contata: %3.")
        .arg(QString::number(j), QFileInfo(path).fileName(), reason);
}

PaymentsLedger::Move PaymentsLedger::goToItem(int k)
{
    Move move;
    k = std::clamp(k, 1, MaxItems);
    // The window never moves more than one item past the last item that has an amount.
    while (k >= 2 && m_state.item(k - 1).expenseAmount.isEmpty())
        --k;
    m_currentItem = k;
    move.item = k;
    m_shownTotal = QStringLiteral("0");
    // Every owner starts again from 0, also those beyond a count the files may change.
    for (int i = 1; i <= MaxOwners; ++i)
        m_state.owner(i).ownerRunningTotal = 0;
    for (int j = 1; j <= k; ++j) {
        m_loadIndex = j;
        const OpenOutcome outcome = openItemFile();
        if (outcome == OpenOutcome::NoType || outcome == OpenOutcome::Cancelled) {
            move.ended = true;
            return move;
        }
        if (outcome == OpenOutcome::Unreadable || (outcome == OpenOutcome::Missing && j < k)) {
            m_currentItem = std::max(1, j - 1);
            move.item = m_currentItem;
            move.ended = true;
            move.refusedItem = j;
            countArchivedExpenses();
            return move;
        }
        move.opened = move.opened || outcome == OpenOutcome::Opened;
        addRunningTotals(j);
    }
    countArchivedExpenses();
    return move;
}

void PaymentsLedger::addRunningTotals(int j)
{
    const QString &amount = m_state.item(j).expenseAmount;
    if (addsToOwnerTotals(amount)) {
        for (int i = 1; i <= std::clamp(m_state.ownerCount, 0, MaxOwners); ++i) {
            Owner &owner = m_state.owner(i);
            owner.ownerRunningTotal += shareValue(owner.shareAmount);
        }
    }
    if (!amount.isEmpty())
        m_shownTotal = addToShownTotal(m_shownTotal, amount);
}

bool PaymentsLedger::saveItemFile(QString *error)
{
    const int k = m_currentItem;
    if (m_series.type() != ManagementType::None
        && (m_state.ownerCount <= 0 || m_state.item(k).expenseAmount.isEmpty())) {
        if (error)
            *error = nothingToSaveMessage();
        return false;
    }
    const std::optional<QString> path = m_series.saveNameOf(k);
    if (!m_series.save(k, error))
        return false;
    m_cache.invalidate(*path);
    return true;
}

void PaymentsLedger::countArchivedExpenses()
{
    const ExpenseSeries::CountResult count = m_series.count();
    if (count.named && count.lastExisting > 0)
        m_archivedCount = count.lastExisting;
}

void PaymentsLedger::clear()
{
    m_series.clear();
    m_cache.clear();
    m_loadIndex = 0;
    m_shownTotal.clear();
    m_archivedCount.reset();
}

QString PaymentsLedger::addToShownTotal(const QString &shown, const QString &amount)
{
    const double total = NumberText::read(shown).value_or(0.0)
        + NumberText::read(amount).value_or(0.0);
    return NumberText::plain(total);
}

bool PaymentsLedger::addsToOwnerTotals(const QString &amount)
{
    return NumberText::leading(amount) > 0;
}

double PaymentsLedger::shareValue(const QString &share)
{
    return NumberScan::readComma(share).value_or(0.0);
}

QString PaymentsLedger::noTypeMessage()
{
    return ExpenseSeries::noTypeMessage();
}

QString PaymentsLedger::notFirstFileMessage()
{
    return QStringLiteral("Bisogna aprire il primo file (ultimo carattere del nome = 1).");
}

QString PaymentsLedger::nothingToSaveMessage()
{
    return QString::fromUtf8("Non vi è nulla da salvare: prelevare i dati dall'archivio.");
}

} // namespace veltra
