#pragma once

#include "core/payments/paymentletters.h"
#include "core/payments/paymentsledger.h"
#include "core/payments/pagamenticheck.h"
#include "reports/payments/paymentsprintcheck.h"
#include "ui/frame/archivefileguard.h"
#include "ui/frame/workwindow.h"

#include <memory>

class QLineEdit;

namespace veltra {

class PagamentiForm;

// The payments window `pagamenti`: the items of an expense or budget series one at a time,
// with ten owner rows showing each owner's share, the dates of payment and of the last
// reminder, which the user types, and his running total. Typed dates live in the ledger
// until the item is saved. From here the reminders, receipts, account cards, the window
// printout and the yearly balance are printed.
class PagamentiWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit PagamentiWindow(Shell &shell, QWidget *parent = nullptr);
    ~PagamentiWindow() override;

    const PaymentsLedger &ledger() const { return m_ledger; }
    int itemNumber() const;
    int topRow() const;

    // The opening initialisation: the header from the shared state, the rows from the first
    // owner and the step hint. The condominium window runs it again before it opens
    // another window.
    void reinitialiseFromSharedState();

    void openArchive() override;
    void saveArchive() override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;
    QStringList editHeader() const override;
    int editRowCount() const override;
    QStringList editRow(int n) const override;
    void restoreEdits(const RowSnapshot &to, const RowSnapshot &from) override;

    // Marks management option j (1 preventivi, 2 spese), which opens the series at item 1.
    void chooseManagementType(int j);
    // Moves the item scroll bar to k, which moves the ledger to item k.
    void setItemNumber(int k);
    // Re-reads items 1..k of the current item k (the toolbar's first button).
    void rereadCurrentItem();
    void drawOwnerRows();
    void showStepHint();

    void printWindow(bool allItems);
    // The reminders or receipts for owner `selector`, or with 0 for every owner without
    // a payment date.
    void printLetters(PaymentLetters::Kind kind, int selector);
    // The card of the owner in row r; with allOwners those of every owner from the first.
    void printCards(int r, bool allOwners);
    void printBalance();

protected:
    void initialise() override;
    // Clearing the payments clears the expenses, and these the condominium.
    QList<int> windowsClearedAlong() const override { return {2, 1}; }

private:
    void connectControls();
    void connectRow(int r);
    void connectPrintEntries();
    void takeOverFirstToolButton();

    void managementOptionToggled(int j, bool on);
    void itemMoved(int k);
    void dateTyped(int r, bool payment);
    void enableLetterButtons(int r);
    void showMove(const PaymentsLedger::Move &move);
    void showLedger();
    // The file of the item now current, as the one a later save must find unchanged.
    void rememberCurrentFile();
    void showHeader();
    void showTextIfChanged(QLineEdit *field, const QString &text);
    PagamentiCheck::WindowView view() const;
    bool refused(const std::optional<ExpensePrintCheck::Refusal> &refusal);
    void tellUser(MessageIcon icon, const QString &text);
    void refreshCondominiumWindow();

    std::unique_ptr<PagamentiForm> m_form;
    PaymentsLedger m_ledger;
    ArchiveFileGuard m_fileGuard;
    // Set while the rows are drawn: the drawn dates are not typed ones.
    bool m_drawing = false;
};

} // namespace veltra
