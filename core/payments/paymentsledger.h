#pragma once

#include "core/expenses/expenseitem.h"
#include "core/expenses/expenseseries.h"
#include "core/expenses/managementtype.h"
#include "core/payments/seriescache.h"

#include <QString>

#include <optional>

namespace veltra {

class Platform;
class SharedState;

// The payments ledger: the series of item files the payments window works on, with the
// window's own management type, independent of the expense window's. The ledger in memory
// holds the payment and reminder dates of one item, the last file read; moving to item k
// reads items 1..k again (from the series cache) and rebuilds the running totals: the
// condominium's, the plain sum of the amounts, and each owner's, the sum of his shares of
// the items whose amount reads as a positive leading number.
class PaymentsLedger
{
public:
    enum class OpenOutcome {
        Opened,        // the item of the load index is in the shared state
        NoType,        // no management type: noTypeMessage() was shown
        Cancelled,     // the open dialog was cancelled
        NothingToOpen, // no file for an item of 2 or more, or item 1's date gives no year
        Missing,       // no file of that name (a new item): the state is untouched
        Unreadable     // a file not read whole, or of another condominium or year: the
                       // state is untouched and problem() says why
    };

    // Where a move left the window.
    struct Move
    {
        int item = 1;          // the item now current (a move steps back past empty items)
        bool ended = false;    // the move stopped at a missing type or a cancelled dialog
        bool opened = false;   // at least one file was read into the shared state
        // The item whose file could not be counted (0 when none): the move stopped on the
        // item before it, and problem() says why.
        int refusedItem = 0;
    };

    PaymentsLedger(SharedState &state, Platform &platform);

    ManagementType managementType() const { return m_series.type(); }
    bool withPayments() const { return m_series.type() == ManagementType::Spese; }
    // The file last opened or tried, with its folder; empty until a first file is chosen.
    QString archiveFileName() const { return m_series.currentFileName(); }
    int currentItem() const { return m_currentItem; }
    int loadIndex() const { return m_loadIndex; }
    // The condominium's running total as the window shows it (text(v): "980,5"); empty
    // before the first move.
    QString shownTotal() const { return m_shownTotal; }
    // The last file of the unbroken run 1, 2, ... of the series; nothing until counted.
    std::optional<int> archivedCount() const { return m_archivedCount; }
    // The item as the window shows it: item k, or nothing when its amount is empty.
    ExpenseItem shownItem() const;

    // Makes type the ledger's management type: "preventivi" empties every owner's payment
    // and reminder dates; then the window goes back to item 1.
    Move chooseManagementType(ManagementType type);

    // Reads the file of the item numbered by the load index (0 counts as 1): the open
    // dialog for the first file of a series, asked again while the name does not end
    // with "1"; afterwards the name built from item 1's year.
    OpenOutcome openItemFile();
    // Makes k (1..200) the current item: steps back while item k - 1 has no amount, reads
    // items 1..k and rebuilds the running totals, then counts the series. An item before k
    // whose file is missing or unreadable, or item k's unreadable file, stops the move on
    // the item before it: no total ever counts what memory held in its place.
    Move goToItem(int k);
    // Why the last file tried could not be read, as the message to show titled checkTitle.
    QString problem() const { return m_problem; }
    // Why item j's file, read from path, cannot be counted: missing or not read whole, or,
    // inSeries, of another condominium or year than the series in memory (the condominium
    // of the shared state, the year of item 1's date); empty when it can.
    QString itemRefusal(int j, const QString &path, const ExpenseArchive::LoadResult &file,
                        bool inSeries) const;
    // Writes the current item with its owners and, for "spese", their payment values;
    // false with the message in *error when refused or not written.
    bool saveItemFile(QString *error = nullptr);
    // Counts the consecutive files of the series; archivedCount keeps its value when
    // file 1 cannot be opened or item 1's date gives no year.
    void countArchivedExpenses();
    // Forgets the type, the archive file, the totals shown and the count.
    void clear();

    // The name of item j of the series (item 1's year), when one can be built.
    std::optional<QString> itemFileName(int j) const { return m_series.nameOf(j); }
    // The name saveItemFile writes the current item under, when one can be built.
    std::optional<QString> currentSaveName() const { return m_series.saveNameOf(m_currentItem); }
    SeriesCache &cache() { return m_cache; }
    const SeriesCache &cache() const { return m_cache; }
    SharedState &state() const { return m_state; }

    // shown + amount, both read with the decimal comma, written back as text(v); the
    // condominium's total is built so, item by item.
    static QString addToShownTotal(const QString &shown, const QString &amount);
    // Whether an item's shares add to the owners' running totals: only when the amount's
    // leading number, read with a point as decimal separator, is positive ("0,50" reads 0).
    static bool addsToOwnerTotals(const QString &amount);
    // A share in euro as the totals add it; 0 when it is no number.
    static double shareValue(const QString &share);

    static QString noTypeMessage();
    static QString notFirstFileMessage();
    static QString nothingToSaveMessage();

private:
    QString chooseFileToOpen(OpenOutcome &outcome);
    void addRunningTotals(int j);

    SharedState &m_state;
    Platform &m_platform;
    ExpenseSeries m_series;
    SeriesCache m_cache;
    int m_currentItem = 1;
    int m_loadIndex = 0;
    QString m_shownTotal;
    QString m_problem;
    std::optional<int> m_archivedCount;
};

} // namespace veltra
