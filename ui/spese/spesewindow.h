#pragma once

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expenseseries.h"
#include "core/expenses/itemmillesimi.h"
#include "core/expenses/spesecheck.h"
#include "reports/expenses/expenseprintcheck.h"
#include "ui/frame/archivefileguard.h"
#include "ui/frame/workwindow.h"

#include <memory>

class QLineEdit;

namespace veltra {

class SpeseForm;

// The expense window `spese`: the management type (budget or actual expenses), one item of
// the series at a time with its amount, description and date, the allocation criterion and
// ten owner rows with the allocation inputs and the shares. Every edit is stored at once in
// the shared state, the step hint is refreshed and the shares are recomputed. The item
// scroll bar moves through the series file by file; items are filled in order.
class SpeseWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit SpeseWindow(Shell &shell, QWidget *parent = nullptr);
    ~SpeseWindow() override;

    // The item shown (VScroll2, 1 to 200) and the owner in the first row (VScroll1).
    int itemNumber() const;
    int topRow() const;
    // The criterion option marked, 1 to 7; 0 when none.
    int criterionOption() const;
    const ExpenseSeries &series() const { return m_series; }

    // The opening initialisation: for an item without amount, the criterion from the heating
    // basis and the owners' floor millesimi and heating quantities from the condominium;
    // then the header and the rows from the first owner. The condominium window runs it
    // again before it opens another window; an item with an amount then keeps its criterion,
    // inputs and shares, and the user is asked whether to bring in the registry's millesimi
    // when they are no longer the item's.
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
    bool editRowIs(int n, const QStringList &row) const override;
    void restoreEdits(const RowSnapshot &to, const RowSnapshot &from) override;

    // Moves the item scroll bar to k, which loads item k as a move by the user does.
    void setItemNumber(int k);
    // Marks management option j (1 preventivi, 2 spese) or criterion option j (1 to 7).
    void chooseManagementType(int j);
    void chooseCriterion(int j);
    // "ns": the current item is copied after the last item of the series and saved there.
    void copyToEnd();
    // "esport": the budget item is saved as the same item of the expense series, and the
    // window goes on with the expenses from item 1.
    void exportToExpenses();
    // "&tutti": every owner leaves the item when owner 1 takes part, otherwise every one
    // takes part.
    void toggleAll();
    // "importa": the readings CSV of the heat-accounting firm, chosen in the open dialog.
    void importReadings();
    void redrawOwnerRows();
    void showStepHint();

    void printAllocation();
    void printAllAllocations();
    void printPaymentNotices();
    // The yearly summary of the heating items by heat meters, one letter per owner.
    void printConsumptionSummary();

protected:
    void initialise() override;
    // Coming back to this window from another by the window manager is a switch too: the
    // item is held against the registry's millesimi as the condominium window's hand-over does.
    void changeEvent(QEvent *event) override;
    // Clearing the expenses clears the condominium too.
    QList<int> windowsClearedAlong() const override { return {1}; }

private:
    void connectControls();
    void connectRow(int r);
    void connectPrintEntries();
    bool takeUpRegistry();
    bool offerRegistryMillesimi();

    void itemNumberChanged(int k);
    void managementOptionToggled(int j, bool on);
    void criterionOptionToggled(int j, bool on);
    void amountChanged();
    void descriptionChanged();
    void dateChanged();
    void rowFieldChanged(int r, ExpenseColumn column);
    void rowBoxToggled(int r, ExpenseColumn column, bool on);
    void afterInputChange();
    void meterParametersChanged();
    void showMeterParameters();

    void markManagementType(ManagementType type);
    bool settleBeforeOpening(int k);
    // Shows k as the item number without moving to it.
    void showItemNumber(int k);
    // Opens item k of the series and shows it; false when nothing was read.
    bool openItem(int k);
    void showOpenedItem();
    void showItemFields();
    void showHeader();
    void emptyShares();
    void allocate();
    void showAllocationResults(const AllocationResult &result);
    void countSeries();
    bool saveItem();
    void tellUser(MessageIcon icon, const QString &text);
    // False, after telling the user why, when there is nothing to print or the item fails
    // the check.
    bool readyToPrint(const std::optional<ExpensePrintCheck::Refusal> &refusal);
    void showArticle(const QString &text);
    void unmarkOptions();
    void clearOwnerInputs();
    void showTextIfChanged(QLineEdit *field, const QString &text);
    SpeseCheck::WindowChoices choices() const;
    void refreshCondominiumWindow();

    std::unique_ptr<SpeseForm> m_form;
    ExpenseSeries m_series;
    ItemMillesimi m_itemMillesimi;
    ArchiveFileGuard m_fileGuard;
    // Set by the copy to end: the next change of the item number is only displayed.
    bool m_suppressMove = false;
    int m_shownItem = 1; // the item whose inputs and shares are on screen
    bool m_offering = false; // the registry's millesimi are being offered
};

} // namespace veltra
