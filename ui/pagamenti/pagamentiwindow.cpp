#include "ui/pagamenti/pagamentiwindow.h"

#include "core/expenses/runningtotal.h"
#include "core/platform/platform.h"
#include "core/payments/accountcards.h"
#include "core/payments/balancesheet.h"
#include "core/state/sharedstate.h"
#include "reports/payments/accountcardsprintout.h"
#include "reports/payments/balanceprintout.h"
#include "reports/payments/paymentlettersprintout.h"
#include "reports/payments/paymentstables.h"
#include "reports/payments/paymentswindowprintout.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/edithistory.h"
#include "ui/frame/editstep.h"
#include "ui/frame/rowsnapshot.h"
#include "ui/frame/shell.h"
#include "ui/pagamenti/pagamentiform.h"
#include "ui/pagamenti/pagamentiwindowtexts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>

namespace veltra {

namespace {

void unmark(QRadioButton *option)
{
    // An exclusive option cannot be unmarked while it is exclusive.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

PagamentiWindow::PagamentiWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 4, parent)
    , m_form(std::make_unique<PagamentiForm>(form()))
    , m_ledger(shell.state(), shell.platform())
{
    if (auto *saveAs = findChild<QAction *>(QStringLiteral("salvanome")))
        saveAs->setEnabled(false);
    keepEditHistory();
    connectControls();
    connectPrintEntries();
    takeOverFirstToolButton();
}

PagamentiWindow::~PagamentiWindow() = default;

int PagamentiWindow::itemNumber() const
{
    return m_form->vscroll2->value();
}

int PagamentiWindow::topRow() const
{
    return m_form->vscroll1->value();
}

void PagamentiWindow::initialise()
{
    reinitialiseFromSharedState();
}

void PagamentiWindow::connectControls()
{
    PagamentiForm &f = *m_form;
    for (int j = 1; j <= 2; ++j)
        connect(f.option1[j], &QRadioButton::toggled, this,
                [this, j](bool on) { managementOptionToggled(j, on); });
    connect(f.vscroll2, &QScrollBar::valueChanged, this, [this](int k) { itemMoved(k); });
    connect(f.vscroll1, &QScrollBar::valueChanged, this, [this] { drawOwnerRows(); });
    connect(f.cmdspese, &QPushButton::clicked, this, [this] { shell().switchWindow(*this, 2); });
    for (int r = 1; r <= PagamentiForm::Rows; ++r)
        connectRow(r);
}

void PagamentiWindow::connectRow(int r)
{
    const PagamentiForm::OwnerRow &row = m_form->rows[r];
    connect(row.pag, &QLineEdit::textChanged, this, [this, r] { dateTyped(r, true); });
    connect(row.soll, &QLineEdit::textChanged, this, [this, r] { dateTyped(r, false); });
    connect(row.unsollecito, &QPushButton::clicked, this, [this, r] {
        printLetters(PaymentLetters::Kind::Reminder, m_form->rows[r].num->text().toInt());
    });
    connect(row.unaricevuta, &QPushButton::clicked, this, [this, r] {
        printLetters(PaymentLetters::Kind::Receipt, m_form->rows[r].num->text().toInt());
    });
    connect(row.sched, &QRadioButton::clicked, this, [this, r] { printCards(r, false); });
}

void PagamentiWindow::connectPrintEntries()
{
    const QStringList entries = PagamentiTexts::printEntries();
    const std::array<std::pair<const char *, std::function<void()>>, 6> commands = {{
        {"stampafinestra", [this] { printWindow(false); }},
        {"stampatutto", [this] { printWindow(true); }},
        {"sollecitiamo", [this] { printLetters(PaymentLetters::Kind::Reminder, 0); }},
        {"riceviamo", [this] { printLetters(PaymentLetters::Kind::Receipt, 0); }},
        {"schedatutti", [this] { printCards(1, true); }},
        {"bilancio", [this] { printBalance(); }},
    }};
    for (int e = 0; e < int(commands.size()); ++e) {
        QAction *action = addPrintEntry(entries.at(e));
        action->setObjectName(QString::fromLatin1(commands[e].first));
        connect(action, &QAction::triggered, this, commands[e].second);
    }
}

// Here the toolbar's "apri file" reads the series again up to the current item, rebuilding
// the running totals, where the menu's "&Apri..." only reads the item again.
void PagamentiWindow::takeOverFirstToolButton()
{
    QAction *open = toolBar()->findChild<QAction *>(QStringLiteral("button1"));
    if (!open)
        return;
    disconnect(open, &QAction::triggered, nullptr, nullptr);
    connect(open, &QAction::triggered, this, [this] { rereadCurrentItem(); });
}

// --- opening and moving ---

void PagamentiWindow::reinitialiseFromSharedState()
{
    const EditHistory::Unrecorded unrecorded(*editHistory());
    for (int r = 1; r <= PagamentiForm::Rows; ++r) {
        m_form->rows[r].unsollecito->setToolTip(PagamentiTexts::reminderButtonTip());
        m_form->rows[r].unaricevuta->setToolTip(PagamentiTexts::receiptButtonTip());
    }
    showHeader();
    {
        const QSignalBlocker blocker(m_form->vscroll1);
        m_form->vscroll1->setValue(1);
    }
    drawOwnerRows();
    showStepHint();
}

void PagamentiWindow::showHeader()
{
    m_form->nome->setText(state().condoName);
    m_form->tot->setText(QString::number(state().ownerCount));
}

void PagamentiWindow::managementOptionToggled(int j, bool on)
{
    if (!on)
        return;
    showStepHint();
    const bool budget = j == 1;
    for (int r = 1; r <= PagamentiForm::Rows; ++r) {
        const PagamentiForm::OwnerRow &row = m_form->rows[r];
        row.pag->setEnabled(!budget);
        row.soll->setEnabled(!budget);
    }
    showMove(m_ledger.chooseManagementType(budget ? ManagementType::Preventivi
                                                  : ManagementType::Spese));
}

void PagamentiWindow::chooseManagementType(int j)
{
    if (m_form->option1[j]->isChecked())
        managementOptionToggled(j, true);
    else
        m_form->option1[j]->setChecked(true);
}

void PagamentiWindow::setItemNumber(int k)
{
    if (itemNumber() == k)
        showMove(m_ledger.goToItem(k));
    else
        m_form->vscroll2->setValue(k);
}

// The files read replace the dates typed: they are saved first if the user wants.
void PagamentiWindow::itemMoved(int k)
{
    if (!settleUnsavedChanges()) {
        const QSignalBlocker blocker(m_form->vscroll2);
        m_form->vscroll2->setValue(m_ledger.currentItem());
        return;
    }
    showMove(m_ledger.goToItem(k));
}

void PagamentiWindow::rereadCurrentItem()
{
    if (!settleUnsavedChanges())
        return;
    showMove(m_ledger.goToItem(itemNumber()));
}

// A file read replaced the condominium's owners: the condominium window shows them again
// from the first.
void PagamentiWindow::showMove(const PaymentsLedger::Move &move)
{
    showLedger();
    if (move.refusedItem != 0)
        tellUser(MessageIcon::Critical, m_ledger.problem());
    if (!move.opened)
        return;
    rememberCurrentFile();
    refreshCondominiumWindow();
    editHistory()->restart();
}

void PagamentiWindow::rememberCurrentFile()
{
    if (const std::optional<QString> name = m_ledger.itemFileName(m_ledger.currentItem()))
        m_fileGuard.remember(*name);
}

void PagamentiWindow::showLedger()
{
    {
        const QSignalBlocker blocker(m_form->vscroll2);
        m_form->vscroll2->setValue(m_ledger.currentItem());
    }
    m_form->ns->setText(QString::number(m_ledger.currentItem()));
    showHeader();
    m_form->ann->setText(PagamentiTexts::yearLabel(state().item(1).expenseDate));
    const ExpenseItem shown = m_ledger.shownItem();
    m_form->spesatotale->setText(RunningTotal::shownAmount(shown.expenseAmount));
    m_form->tipospesa->setText(shown.expenseType);
    m_form->dataspesa->setText(shown.expenseDate);
    m_form->totanno->setText(RunningTotal::shownAmount(m_ledger.shownTotal()));
    const std::optional<int> count = m_ledger.archivedCount();
    m_form->totspe->setText(count ? QString::number(*count) : QString());
    drawOwnerRows();
    showStepHint();
}

void PagamentiWindow::refreshCondominiumWindow()
{
    if (auto *dati = qobject_cast<DatiWindow *>(shell().existingWorkWindow(1)))
        dati->showOwnersFromFirst();
}

void PagamentiWindow::openArchive()
{
    if (!settleUnsavedChanges())
        return;
    const PaymentsLedger::OpenOutcome outcome = m_ledger.openItemFile();
    if (outcome == PaymentsLedger::OpenOutcome::Unreadable)
        tellUser(MessageIcon::Critical, m_ledger.problem());
    if (outcome != PaymentsLedger::OpenOutcome::Opened)
        return;
    rememberCurrentFile();
    showLedger();
    refreshCondominiumWindow();
    editHistory()->restart();
}

void PagamentiWindow::saveArchive()
{
    const std::optional<QString> name = m_ledger.currentSaveName();
    if (name && m_fileGuard.confirmedPath(platform(), state().texts.appTitle, *name).isEmpty())
        return;
    QString error;
    if (!m_ledger.saveItemFile(&error)) {
        tellUser(MessageIcon::Critical, error);
        return;
    }
    m_fileGuard.remember(*name);
    editHistory()->markSaved();
}

// --- edit history ---

// Row i holds owner i's dates of payment and of the last reminder, the window's only edits.
QStringList PagamentiWindow::editHeader() const
{
    return {};
}

int PagamentiWindow::editRowCount() const
{
    return MaxOwners + 1;
}

QStringList PagamentiWindow::editRow(int i) const
{
    const Owner &owner = state().owner(i);
    if (owner.paymentDate.isEmpty() && owner.reminderDate.isEmpty())
        return {};
    return {owner.paymentDate, owner.reminderDate};
}

void PagamentiWindow::restoreEdits(const RowSnapshot &to, const RowSnapshot &from)
{
    const QList<int> changed = RowSnapshot::changedRows(to, from);
    for (int i : changed) {
        Owner &owner = state().owner(i);
        owner.paymentDate = to.row(i).value(0);
        owner.reminderDate = to.row(i).value(1);
    }
    const int top = topRow();
    if (!changed.isEmpty() && (changed.first() < top || changed.first() >= top + PagamentiForm::Rows))
        m_form->vscroll1->setValue(changed.first());
    drawOwnerRows();
    showStepHint();
}

// --- rows ---

void PagamentiWindow::showTextIfChanged(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

void PagamentiWindow::drawOwnerRows()
{
    if (m_form->nome->text().isEmpty()) {
        const QSignalBlocker blocker(m_form->vscroll1);
        m_form->vscroll1->setValue(1);
        return;
    }
    // The shares of an item without amount belong to another item: they are not shown.
    const bool noAmount = m_ledger.shownItem().expenseAmount.isEmpty();
    m_drawing = true;
    for (int r = 1; r <= PagamentiForm::Rows; ++r) {
        const int i = topRow() + r - 1;
        const Owner &owner = state().owner(i);
        const PagamentiForm::OwnerRow &row = m_form->rows[r];
        row.num->setText(QString::number(i));
        row.sched->setChecked(owner.cardPrinted);
        row.nomcond->setText(owner.ownerName);
        row.indir->setText(owner.ownerAddress);
        row.spe->setText(noAmount ? QString() : owner.shareAmount);
        showTextIfChanged(row.pag, owner.paymentDate);
        showTextIfChanged(row.soll, owner.reminderDate);
        row.pagann->setText(owner.ownerName.isEmpty() ? QString()
                                                      : PaymentsTables::ownerTotal(owner.ownerRunningTotal));
        enableLetterButtons(r);
    }
    m_drawing = false;
}

void PagamentiWindow::enableLetterButtons(int r)
{
    const PagamentiForm::OwnerRow &row = m_form->rows[r];
    const bool enabled = !row.nomcond->text().isEmpty() && row.pag->text().isEmpty();
    row.unsollecito->setEnabled(enabled);
    row.unaricevuta->setEnabled(enabled);
}

// "+" repeats the date of the row above; in the first row, that of the owner before it,
// so that on owner 1 it stays as typed.
void PagamentiWindow::dateTyped(int r, bool payment)
{
    if (m_drawing)
        return;
    const PagamentiForm::OwnerRow &row = m_form->rows[r];
    QLineEdit *field = payment ? row.pag : row.soll;
    const QString text = field->text();
    const int i = topRow() + r - 1;
    const EditStep step(*this, QStringLiteral("%1 %2").arg(field->objectName()).arg(i), i);
    if (text == QLatin1String("+") && topRow() + r - 2 >= 1) {
        const Owner &above = state().owner(topRow() + r - 2);
        const QString repeated = r >= 2
            ? (payment ? m_form->rows[r - 1].pag : m_form->rows[r - 1].soll)->text()
            : (payment ? above.paymentDate : above.reminderDate);
        if (repeated != text) {
            // The rewritten field runs this handling again and stores the date.
            field->setText(repeated);
            return;
        }
    }
    Owner &owner = state().owner(topRow() + r - 1);
    (payment ? owner.paymentDate : owner.reminderDate) = text;
    if (payment)
        enableLetterButtons(r);
    showStepHint();
}

// --- hint, check, clearing, messages ---

PagamentiCheck::WindowView PagamentiWindow::view() const
{
    PagamentiCheck::WindowView view;
    view.managementOptionMarked =
        m_form->option1[1]->isChecked() || m_form->option1[2]->isChecked();
    view.type = m_ledger.managementType();
    view.shown = {m_form->spesatotale->text(), m_form->tipospesa->text(),
                  m_form->dataspesa->text()};
    view.item = m_ledger.currentItem();
    return view;
}

void PagamentiWindow::showStepHint()
{
    if (const std::optional<QString> hint = PagamentiCheck::stepHint(state(), view()))
        setStepHint(*hint);
}

void PagamentiWindow::checkData()
{
    const PagamentiCheck::Finding finding = PagamentiCheck::check(state(), view());
    tellUser(finding.icon, finding.text);
}

void PagamentiWindow::tellUser(MessageIcon icon, const QString &text)
{
    platform().showMessage(icon, state().texts.checkTitle, text);
}

void PagamentiWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle,
                           PagamentiTexts::instructions());
}

// The names, addresses and owner count are shared: the condominium window loses them too,
// and the expense window is cleared with its own command.
void PagamentiWindow::clearWindow()
{
    m_fileGuard.forget();
    for (int j = 1; j <= 2; ++j)
        unmark(m_form->option1[j]);
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state().owner(i);
        owner.ownerName.clear();
        owner.ownerAddress.clear();
        owner.shareAmount.clear();
        owner.paymentDate.clear();
        owner.reminderDate.clear();
        owner.ownerRunningTotal = 0;
    }
    for (int k = 1; k <= MaxItems; ++k)
        state().item(k) = ExpenseItem();
    state().condoName.clear();
    state().ownerCount = 0;
    m_ledger.clear();
    m_form->ann->clear();
    m_form->totanno->clear();
    m_form->totspe->clear();
    showHeader();
    m_form->spesatotale->clear();
    m_form->tipospesa->clear();
    m_form->dataspesa->clear();
    m_drawing = true;
    for (int r = 1; r <= PagamentiForm::Rows; ++r) {
        const PagamentiForm::OwnerRow &row = m_form->rows[r];
        for (QLabel *label : {row.nomcond, row.indir, row.spe, row.pagann})
            label->clear();
        row.pag->clear();
        row.soll->clear();
        enableLetterButtons(r);
    }
    m_drawing = false;
    shell().workWindow(2)->clearWindow();
    showStepHint();
}

// --- printouts ---

// A print needs something to print, then what the window shows must pass its check.
bool PagamentiWindow::refused(const std::optional<ExpensePrintCheck::Refusal> &refusal)
{
    if (!refusal)
        return !clearedForPrinting(PagamentiCheck::printClearance(state(), view()));
    tellUser(refusal->icon, refusal->text);
    return true;
}

void PagamentiWindow::printMain()
{
    printWindow(false);
}

void PagamentiWindow::printWindow(bool allItems)
{
    if (refused(PaymentsPrintCheck::refusal(m_ledger))
        || (allItems && refused(PaymentsPrintCheck::seriesRefusal(m_ledger))))
        return;
    setStepHint(PaymentsWindowPrintout::openingStatus());
    const ReportDocument document = PaymentsWindowPrintout::build(m_ledger, allItems);
    showLedger();
    handOverDocument(document, PaymentsWindowPrintout::closingStatus());
}

void PagamentiWindow::printLetters(PaymentLetters::Kind kind, int selector)
{
    if (refused(PaymentsPrintCheck::lettersRefusal(m_ledger)))
        return;
    setStepHint(PaymentLettersPrintout::openingStatus());
    const QDate today = platform().today();
    const QList<int> owners = PaymentLetters::record(state(), kind, selector, today);
    drawOwnerRows();
    handOverDocument(PaymentLettersPrintout::build(state(), m_ledger.currentItem(),
                                                   m_ledger.shownTotal(), kind, owners,
                                                   selector > 0, today),
                     QString());
}

// The all-cards command begins as from row 1: its mark goes to the owner of that row.
void PagamentiWindow::printCards(int r, bool allOwners)
{
    const int rowOwner = topRow() + r - 1;
    if (refused(PaymentsPrintCheck::refusal(m_ledger))
        || refused(PaymentsPrintCheck::seriesRefusal(m_ledger))) {
        m_form->rows[r].sched->setChecked(state().owner(rowOwner).cardPrinted);
        return;
    }
    state().owner(rowOwner).cardPrinted = true;
    setStepHint(AccountCardsPrintout::openingStatus());
    const QList<AccountCard> cards =
        AccountCards::collect(m_ledger, allOwners ? 1 : rowOwner, allOwners);
    showLedger();
    refreshCondominiumWindow();
    handOverDocument(AccountCardsPrintout::build(cards, m_ledger.managementType()),
                     AccountCardsPrintout::closingStatus());
}

void PagamentiWindow::printBalance()
{
    if (refused(PaymentsPrintCheck::refusal(m_ledger))
        || refused(PaymentsPrintCheck::seriesRefusal(m_ledger)))
        return;
    setStepHint(BalancePrintout::openingStatus());
    const BalanceSheet sheet = BalanceSheet::collect(m_ledger);
    showLedger();
    refreshCondominiumWindow();
    handOverDocument(BalancePrintout::build(sheet, m_ledger.managementType()),
                     BalancePrintout::closingStatus());
}

} // namespace veltra
