#include "ui/spese/spesewindow.h"

#include "core/expenses/civilcodearticles.h"
#include "core/expenses/meterreadingscsv.h"
#include "core/expenses/meterreadingsfile.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "core/expenses/consumptionsummary.h"
#include "reports/expenses/consumptionsummaryprintout.h"
#include "reports/expenses/expenseprintcheck.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/edithistory.h"
#include "ui/frame/editstep.h"
#include "ui/frame/rowsnapshot.h"
#include "ui/frame/shell.h"
#include "ui/spese/speseform.h"
#include "ui/spese/spesewindowtexts.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cstring>

namespace veltra {

namespace {

constexpr ExpenseColumn TextColumns[] = {ExpenseColumn::FixedPercent,
                                         ExpenseColumn::OwnerMillesimi,
                                         ExpenseColumn::FloorMillesimi,
                                         ExpenseColumn::HeatingQuantity,
                                         ExpenseColumn::TwoThirds,
                                         ExpenseColumn::MeterReading,
                                         ExpenseColumn::DemandMillesimi};

constexpr ExpenseColumn AllColumns[] = {
    ExpenseColumn::TakesPart,       ExpenseColumn::FixedPercent, ExpenseColumn::OwnerMillesimi,
    ExpenseColumn::FloorMillesimi,  ExpenseColumn::HeatingQuantity, ExpenseColumn::OneThird,
    ExpenseColumn::TwoThirds,       ExpenseColumn::MeterReading, ExpenseColumn::ReadingEstimated,
    ExpenseColumn::DemandMillesimi};

// What a text column of the grid shows for an owner; the property millesimi show empty
// when they are 0.
QString columnText(const Owner &owner, ExpenseColumn column)
{
    switch (column) {
    case ExpenseColumn::FixedPercent:
        return owner.fixedPercent;
    case ExpenseColumn::OwnerMillesimi:
        return owner.ownerMillesimi.toNumber() == 0 ? QString() : owner.ownerMillesimi.toText();
    case ExpenseColumn::FloorMillesimi:
        return owner.floorMillesimi;
    case ExpenseColumn::HeatingQuantity:
        return owner.heatingQuantity.toText();
    case ExpenseColumn::TwoThirds:
        return owner.twoThirdsPercent;
    case ExpenseColumn::MeterReading:
        return owner.meterReading;
    case ExpenseColumn::DemandMillesimi:
        return owner.demandMillesimi;
    case ExpenseColumn::TakesPart:
    case ExpenseColumn::OneThird:
    case ExpenseColumn::ReadingEstimated:
        break;
    }
    return QString();
}

// A property millesimi field emptied by the user stands for 0 thousandths.
void storeColumn(Owner &owner, ExpenseColumn column, const QString &text)
{
    switch (column) {
    case ExpenseColumn::FixedPercent:
        owner.fixedPercent = text;
        break;
    case ExpenseColumn::OwnerMillesimi:
        owner.ownerMillesimi = text.isEmpty() ? Cell::fromNumber(0) : Cell::fromText(text);
        break;
    case ExpenseColumn::FloorMillesimi:
        owner.floorMillesimi = text;
        break;
    case ExpenseColumn::HeatingQuantity:
        owner.heatingQuantity = Cell::fromText(text);
        break;
    case ExpenseColumn::TwoThirds:
        owner.twoThirdsPercent = text;
        break;
    case ExpenseColumn::MeterReading:
        owner.meterReading = text;
        break;
    case ExpenseColumn::DemandMillesimi:
        owner.demandMillesimi = text;
        break;
    case ExpenseColumn::TakesPart:
    case ExpenseColumn::OneThird:
    case ExpenseColumn::ReadingEstimated:
        break;
    }
}

bool isCappedAtHundred(ExpenseColumn column)
{
    return column == ExpenseColumn::FixedPercent || column == ExpenseColumn::TwoThirds;
}

void unmark(QRadioButton *option)
{
    // An exclusive option cannot be unmarked while it is exclusive.
    if (QButtonGroup *group = option->group()) {
        group->setExclusive(false);
        option->setChecked(false);
        group->setExclusive(true);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

SpeseWindow::SpeseWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 2, parent)
    , m_form(std::make_unique<SpeseForm>(form()))
    , m_series(shell.state())
{
    if (auto *saveAs = findChild<QAction *>(QStringLiteral("salvanome")))
        saveAs->setEnabled(false);
    m_form->esport->setEnabled(false);
    keepEditHistory();
    connectControls();
    connectPrintEntries();
}

SpeseWindow::~SpeseWindow() = default;

int SpeseWindow::itemNumber() const
{
    return m_form->vscroll2->value();
}

int SpeseWindow::topRow() const
{
    return m_form->vscroll1->value();
}

int SpeseWindow::criterionOption() const
{
    for (int j = 1; j <= SpeseForm::Criteria; ++j) {
        if (m_form->option1[j]->isChecked())
            return j;
    }
    return 0;
}

void SpeseWindow::initialise()
{
    reinitialiseFromSharedState();
}

void SpeseWindow::connectControls()
{
    SpeseForm &f = *m_form;
    for (int j = 1; j <= 2; ++j)
        connect(f.option2[j], &QRadioButton::toggled, this,
                [this, j](bool on) { managementOptionToggled(j, on); });
    for (int j = 1; j <= SpeseForm::Criteria; ++j)
        connect(f.option1[j], &QRadioButton::toggled, this,
                [this, j](bool on) { criterionOptionToggled(j, on); });
    connect(f.spesatotale, &QLineEdit::textChanged, this, [this] { amountChanged(); });
    connect(f.tipospesa, &QLineEdit::textChanged, this, [this] { descriptionChanged(); });
    connect(f.dataspesa, &QLineEdit::textChanged, this, [this] { dateChanged(); });
    connect(f.vscroll2, &QScrollBar::valueChanged, this, [this](int k) { itemNumberChanged(k); });
    connect(f.vscroll1, &QScrollBar::valueChanged, this, [this] { redrawOwnerRows(); });
    connect(f.ns, &QPushButton::clicked, this, [this] { copyToEnd(); });
    connect(f.esport, &QPushButton::clicked, this, [this] { exportToExpenses(); });
    connect(f.tutti, &QPushButton::clicked, this, [this] { toggleAll(); });
    connect(f.art1124, &QPushButton::clicked, this,
            [this] { showArticle(CivilCodeArticles::article1124()); });
    connect(f.art1126, &QPushButton::clicked, this,
            [this] { showArticle(CivilCodeArticles::article1126()); });
    connect(f.cmddati, &QPushButton::clicked, this, [this] { shell().switchWindow(*this, 1); });
    connect(f.consumo, &QLineEdit::textChanged, this, [this] { meterParametersChanged(); });
    connect(f.base, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { meterParametersChanged(); });
    connect(f.importa, &QPushButton::clicked, this, [this] { importReadings(); });
    for (int r = 1; r <= SpeseForm::Rows; ++r)
        connectRow(r);
}

void SpeseWindow::connectRow(int r)
{
    const SpeseForm::OwnerRow &row = m_form->rows[r];
    for (ExpenseColumn column : TextColumns)
        connect(row.field(column), &QLineEdit::textChanged, this,
                [this, r, column] { rowFieldChanged(r, column); });
    connect(row.check1, &QCheckBox::toggled, this,
            [this, r](bool on) { rowBoxToggled(r, ExpenseColumn::TakesPart, on); });
    connect(row.unterz, &QCheckBox::toggled, this,
            [this, r](bool on) { rowBoxToggled(r, ExpenseColumn::OneThird, on); });
    connect(row.stima, &QCheckBox::toggled, this,
            [this, r](bool on) { rowBoxToggled(r, ExpenseColumn::ReadingEstimated, on); });
}

void SpeseWindow::connectPrintEntries()
{
    const QStringList entries = SpeseTexts::printEntries();
    connect(addPrintEntry(entries.at(0)), &QAction::triggered, this, [this] { printAllocation(); });
    connect(addPrintEntry(entries.at(1)), &QAction::triggered, this,
            [this] { printAllAllocations(); });
    connect(addPrintEntry(entries.at(2)), &QAction::triggered, this,
            [this] { printPaymentNotices(); });
    connect(addPrintEntry(entries.at(3)), &QAction::triggered, this,
            [this] { printConsumptionSummary(); });
}

// --- opening ---

void SpeseWindow::reinitialiseFromSharedState()
{
    const EditHistory::Unrecorded unrecorded(*editHistory());
    const bool keepsItem = !state().item(itemNumber()).expenseAmount.isEmpty();
    const bool reallocate = keepsItem ? offerRegistryMillesimi() : takeUpRegistry();
    for (int r = 1; r <= SpeseForm::Rows; ++r)
        m_form->rows[r].check1->setToolTip(SpeseTexts::participationTip(r));
    showHeader();
    showMeterParameters();
    showStepHint();
    {
        const QSignalBlocker blocker(m_form->vscroll1);
        m_form->vscroll1->setValue(1);
    }
    redrawOwnerRows();
    if (reallocate)
        allocate();
}

void SpeseWindow::changeEvent(QEvent *event)
{
    WorkWindow::changeEvent(event);
    // The question's own box hands the activation back when it closes.
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || m_offering
        || state().item(itemNumber()).expenseAmount.isEmpty())
        return;
    const bool reallocate = offerRegistryMillesimi();
    redrawOwnerRows();
    if (reallocate) {
        showStepHint();
        allocate();
    }
}

// An item without amount starts from the condominium: the criterion its heating basis
// suggests, and the floor millesimi and heating quantities of the units.
bool SpeseWindow::takeUpRegistry()
{
    const int criterion = criterionForHeatingBasis(state().heatingBasis);
    if (criterion != NoCriterion)
        chooseCriterion(criterion);
    initExpenseInputs(state());
    return true;
}

// An item with an amount changes only when the user changes it: when the registry's
// millesimi are no longer the item's, he chooses whether to bring them in and allocate again.
bool SpeseWindow::offerRegistryMillesimi()
{
    const std::optional<int> owner = m_itemMillesimi.compareWithRegistry(state(), itemNumber());
    if (!owner)
        return false;
    const QString question = SpeseTexts::registryChangedQuestion(
        itemNumber(), *owner, state().owner(*owner).ownerName);
    m_offering = true;
    const bool bringIn =
        platform().askYesNo(MessageIcon::Question, state().texts.checkTitle, question, false);
    m_offering = false;
    if (!bringIn) {
        m_itemMillesimi.declineRegistry(itemNumber());
        return false;
    }
    m_itemMillesimi.takeRegistry(state());
    return true;
}

void SpeseWindow::showHeader()
{
    m_form->nome->setText(state().condoName);
    m_form->tot->setText(QString::number(state().ownerCount));
}

// --- change handling ---

void SpeseWindow::amountChanged()
{
    ExpenseItem &item = state().item(itemNumber());
    if (m_form->spesatotale->text() == item.expenseAmount)
        return;
    const EditStep step(*this, QStringLiteral("spesatotale"));
    item.expenseAmount = m_form->spesatotale->text();
    showStepHint();
    allocate();
}

void SpeseWindow::descriptionChanged()
{
    ExpenseItem &item = state().item(itemNumber());
    if (m_form->tipospesa->text() == item.expenseType)
        return;
    const EditStep step(*this, QStringLiteral("tipospesa"), itemNumber());
    item.expenseType = m_form->tipospesa->text();
    showStepHint();
}

void SpeseWindow::dateChanged()
{
    ExpenseItem &item = state().item(itemNumber());
    if (m_form->dataspesa->text() == item.expenseDate)
        return;
    const EditStep step(*this, QStringLiteral("dataspesa"), itemNumber());
    item.expenseDate = m_form->dataspesa->text();
    showStepHint();
}

// A field showing what its cell holds changes nothing: redraws pass through silently.
void SpeseWindow::rowFieldChanged(int r, ExpenseColumn column)
{
    QLineEdit *field = m_form->rows[r].field(column);
    const QString text = field->text();
    // The allocation that follows may change other owners' inputs too: every row is captured.
    const EditStep step(*this, QStringLiteral("%1 %2").arg(int(column)).arg(topRow() + r - 1));
    if (isCappedAtHundred(column) && SpeseCheck::leadingNumber(text) > 100) {
        // The rewritten field runs this handling again and stores the 100.
        field->setText(QStringLiteral("100"));
        return;
    }
    Owner &owner = state().owner(topRow() + r - 1);
    if (text == columnText(owner, column))
        return;
    storeColumn(owner, column, text);
    afterInputChange();
}

void SpeseWindow::rowBoxToggled(int r, ExpenseColumn column, bool on)
{
    Owner &owner = state().owner(topRow() + r - 1);
    int &flag = column == ExpenseColumn::TakesPart ? owner.takesPart
        : column == ExpenseColumn::OneThird        ? owner.oneThirdFlag
                                                   : owner.readingEstimated;
    if ((flag != 0) == on)
        return;
    const EditStep step(*this);
    flag = on ? 1 : 0;
    afterInputChange();
}

void SpeseWindow::afterInputChange()
{
    showStepHint();
    allocate();
}

// The percentage by consumption and the basis of the rest are the item's: a redraw that
// shows what they hold changes nothing.
void SpeseWindow::meterParametersChanged()
{
    const MeterParameters shown{m_form->consumo->text(), m_form->base->currentIndex() + 1};
    if (shown == state().meterParameters)
        return;
    const EditStep step(*this, QStringLiteral("consumo"));
    state().meterParameters = shown;
    afterInputChange();
}

void SpeseWindow::showMeterParameters()
{
    showTextIfChanged(m_form->consumo, state().meterParameters.consumptionPercent);
    const int basis = std::clamp(state().meterParameters.basis, int(MeterBasis::Property),
                                 int(MeterBasis::Demand));
    if (m_form->base->currentIndex() != basis - 1)
        m_form->base->setCurrentIndex(basis - 1);
}

// The firm's readings of the period replace the owners' readings as one step, or are
// refused whole with the row at fault.
void SpeseWindow::importReadings()
{
    FileDialogRequest request;
    request.title = SpeseTexts::readingsDialogTitle();
    request.filter = SpeseTexts::readingsFilter();
    const QString path = platform().openFileName(request);
    if (path.isEmpty())
        return;
    const MeterReadingsCsv::Result readings = MeterReadingsCsv::load(path, state().ownerCount);
    if (!readings.ok) {
        tellUser(MessageIcon::Critical,
                 SpeseTexts::readingsRefused(QFileInfo(path).fileName(), readings.problem));
        return;
    }
    const EditStep step(*this);
    MeterReadingsCsv::apply(readings, state());
    redrawOwnerRows();
    afterInputChange();
}

void SpeseWindow::managementOptionToggled(int j, bool on)
{
    if (!on)
        return;
    // The other series replaces the item on screen: its changes are saved first if the
    // user wants, in the series they belong to; Annulla stays on that series. Before any
    // series is chosen there is nowhere to save them.
    if (m_series.type() != ManagementType::None && !settleUnsavedChanges()) {
        markManagementType(m_series.type());
        return;
    }
    showStepHint();
    for (int k = 1; k <= MaxItems; ++k)
        state().item(k).expenseAmount.clear();
    m_series.setType(j == 1 ? ManagementType::Preventivi : ManagementType::Spese);
    m_itemMillesimi.forgetDeclined();
    m_form->esport->setEnabled(j == 1);
    // Every amount is empty now: a later item steps back to item 1, which opens the series.
    itemNumberChanged(itemNumber());
}

void SpeseWindow::criterionOptionToggled(int j, bool on)
{
    if (!on)
        return;
    const EditStep step(*this);
    state().calcType = j;
    if (j == HeatingByVolume || j == HeatingByRadiantSurface) {
        m_form->heatingHeading->setText(SpeseTexts::heatingHeading(j));
        m_form->heatingHeading->setToolTip(SpeseTexts::heatingHeadingTip(j));
    }
    m_form->showMeterColumns(j == MeteredHeating);
    showStepHint();
    allocate();
}

void SpeseWindow::chooseManagementType(int j)
{
    if (m_form->option2[j]->isChecked())
        managementOptionToggled(j, true);
    else
        m_form->option2[j]->setChecked(true);
}

void SpeseWindow::markManagementType(ManagementType type)
{
    const QSignalBlocker budget(m_form->option2[1]);
    const QSignalBlocker expenses(m_form->option2[2]);
    if (type == ManagementType::Preventivi)
        m_form->option2[1]->setChecked(true);
    else if (type == ManagementType::Spese)
        m_form->option2[2]->setChecked(true);
}

void SpeseWindow::chooseCriterion(int j)
{
    if (m_form->option1[j]->isChecked())
        criterionOptionToggled(j, true);
    else
        m_form->option1[j]->setChecked(true);
}

// --- items ---

void SpeseWindow::setItemNumber(int k)
{
    if (m_form->vscroll2->value() == k)
        itemNumberChanged(k);
    else
        m_form->vscroll2->setValue(k);
}

void SpeseWindow::itemNumberChanged(int k)
{
    m_form->ns->setText(QString::number(k));
    if (m_suppressMove) {
        m_suppressMove = false;
        return;
    }
    // Items are filled in order: the move goes back until the previous item has an amount,
    // each step handled in turn.
    if (k >= 2 && state().item(k - 1).expenseAmount.isEmpty()) {
        m_form->vscroll2->setValue(k - 1);
        return;
    }
    if (!settleBeforeOpening(k))
        return;
    m_shownItem = k;
    const bool opened = openItem(k);
    showItemFields();
    if (state().item(k).expenseAmount.isEmpty())
        emptyShares();
    showStepHint();
    allocate();
    countSeries();
    if (opened)
        editHistory()->restart();
}

// Item k's file replaces the owners' inputs on screen: their unsaved changes are saved
// first if the user wants, under the number of the item they belong to; Annulla stays on it.
// A move to an item without a file keeps the inputs, so it asks nothing.
bool SpeseWindow::settleBeforeOpening(int k)
{
    const std::optional<QString> name = m_series.nameOf(k);
    if (!hasUnsavedChanges() || !name || !QFileInfo::exists(*name))
        return true;
    showItemNumber(m_shownItem);
    if (!settleUnsavedChanges())
        return false;
    showItemNumber(k);
    return true;
}

void SpeseWindow::showItemNumber(int k)
{
    const QSignalBlocker blocker(m_form->vscroll2);
    m_form->vscroll2->setValue(k);
    m_form->ns->setText(QString::number(k));
}

bool SpeseWindow::openItem(int k)
{
    const ExpenseSeries::OpenResult result = m_series.open(k, platform());
    if (result.outcome == ExpenseSeries::OpenOutcome::Unreadable)
        tellUser(MessageIcon::Critical, result.problem);
    if (result.outcome != ExpenseSeries::OpenOutcome::Opened)
        return false;
    m_fileGuard.remember(result.fileName);
    showOpenedItem();
    return true;
}

// The file replaced the condominium's owners, so the condominium window shows them again
// from the first.
void SpeseWindow::showOpenedItem()
{
    showHeader();
    showItemFields();
    const int criterion = state().calcType;
    if (criterion >= 1 && criterion <= SpeseForm::Criteria)
        chooseCriterion(criterion);
    else
        for (int j = 1; j <= SpeseForm::Criteria; ++j)
            unmark(m_form->option1[j]);
    redrawOwnerRows();
    refreshCondominiumWindow();
}

void SpeseWindow::refreshCondominiumWindow()
{
    if (auto *dati = qobject_cast<DatiWindow *>(shell().existingWorkWindow(1)))
        dati->showOwnersFromFirst();
}

void SpeseWindow::showItemFields()
{
    const ExpenseItem &item = state().item(itemNumber());
    showTextIfChanged(m_form->spesatotale, item.expenseAmount);
    showTextIfChanged(m_form->tipospesa, item.expenseType);
    showTextIfChanged(m_form->dataspesa, item.expenseDate);
    showMeterParameters();
}

void SpeseWindow::emptyShares()
{
    for (int r = 1; r <= SpeseForm::Rows; ++r)
        m_form->rows[r].spe->clear();
}

void SpeseWindow::countSeries()
{
    const ExpenseSeries::CountResult count = m_series.count();
    m_form->totspe->setText(count.named ? QString::number(count.lastExisting) : QString());
}

void SpeseWindow::openArchive()
{
    if (!settleUnsavedChanges())
        return;
    const int k = itemNumber();
    if (!openItem(k))
        return;
    if (state().item(k).expenseAmount.isEmpty())
        emptyShares();
    showStepHint();
    allocate();
    countSeries();
    editHistory()->restart();
}

void SpeseWindow::saveArchive()
{
    saveItem();
}

// The data check passes in silence before the file is written; a refusal tells why.
bool SpeseWindow::saveItem()
{
    const int k = itemNumber();
    const SpeseCheck::Finding finding = SpeseCheck::check(state(), k, choices());
    if (!finding.passed) {
        tellUser(finding.icon, finding.text);
        return false;
    }
    const std::optional<QString> name = m_series.saveNameOf(k);
    if (name && m_fileGuard.confirmedPath(platform(), state().texts.appTitle, *name).isEmpty())
        return false;
    QString error;
    if (!m_series.save(k, &error)) {
        tellUser(MessageIcon::Critical, error);
        return false;
    }
    m_fileGuard.remember(*name);
    editHistory()->markSaved();
    return true;
}

// The copy goes to the first free item number; the series' last item is never overwritten.
void SpeseWindow::copyToEnd()
{
    const int k = itemNumber();
    m_suppressMove = true;
    const ExpenseSeries::CountResult count = m_series.count();
    if (!count.firstFree) {
        m_suppressMove = false;
        tellUser(MessageIcon::Critical,
                 count.named ? ExpenseSeries::seriesFullMessage()
                             : m_series.saveRefusal(1).value_or(ExpenseSeries::noTypeMessage()));
        return;
    }
    const int m = *count.firstFree;
    state().item(m) = state().item(k);
    if (m_form->vscroll2->value() != m)
        m_form->vscroll2->setValue(m);
    else
        m_suppressMove = false;
    itemNumberChanged(m);
    saveItem();
}

// A refused save leaves the budget as it was, so that its amounts are not cleared.
void SpeseWindow::exportToExpenses()
{
    if (m_series.type() != ManagementType::Preventivi)
        return;
    m_series.setType(ManagementType::Spese);
    if (!saveItem()) {
        m_series.setType(ManagementType::Preventivi);
        return;
    }
    m_series.requestReopen();
    m_form->esport->setEnabled(false);
    chooseManagementType(2);
}

void SpeseWindow::toggleAll()
{
    const EditStep step(*this);
    toggleTakesPartForAll(state());
    redrawOwnerRows();
    showStepHint();
    allocate();
}

// --- edit history ---

namespace {

// A cell keeps whether it holds a number or a text; a number is kept as the bits of its
// double, exact and far cheaper to write and read back than its decimal digits.
QStringList cellTexts(const Cell &cell)
{
    if (!cell.isNumber())
        return {QStringLiteral("t"), cell.toText()};
    const double value = cell.toNumber();
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return {QStringLiteral("n"), QString::number(bits, 16)};
}

Cell cellFrom(const QStringList &row, int at)
{
    if (row.value(at) != QLatin1String("n"))
        return Cell::fromText(row.value(at + 1));
    const quint64 bits = row.value(at + 1).toULongLong(nullptr, 16);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return Cell::fromNumber(value);
}

} // namespace

// The header holds the criterion and the heat-meter parameters; rows 1 to 200 the items'
// amount, description and date; row 200 + i owner i's allocation inputs.
QStringList SpeseWindow::editHeader() const
{
    return {QString::number(state().calcType), QString::number(criterionOption()),
            state().meterParameters.consumptionPercent,
            QString::number(state().meterParameters.basis)};
}

int SpeseWindow::editRowCount() const
{
    return MaxItems + MaxOwners + 1;
}

QStringList SpeseWindow::editRow(int n) const
{
    if (n <= MaxItems) {
        const ExpenseItem &item = state().item(n);
        return {item.expenseAmount, item.expenseType, item.expenseDate};
    }
    const Owner &owner = state().owner(n - MaxItems);
    return QStringList{QString::number(owner.takesPart), owner.fixedPercent, owner.floorMillesimi,
                       QString::number(owner.oneThirdFlag), owner.twoThirdsPercent}
        + cellTexts(owner.ownerMillesimi) + cellTexts(owner.heatingQuantity)
        + QStringList{owner.meterReading, QString::number(owner.readingEstimated),
                      owner.demandMillesimi};
}

// Compared field by field where it stands: a keystroke compares every item and owner twice,
// and writing each owner's numbers out in full would cost more than the allocation itself.
bool SpeseWindow::editRowIs(int n, const QStringList &row) const
{
    if (n <= MaxItems) {
        const ExpenseItem &item = state().item(n);
        return row.size() == 3 && item.expenseAmount == row.at(0) && item.expenseType == row.at(1)
            && item.expenseDate == row.at(2);
    }
    const Owner &owner = state().owner(n - MaxItems);
    return row.size() == 12 && row.at(0).toInt() == owner.takesPart
        && owner.fixedPercent == row.at(1) && owner.floorMillesimi == row.at(2)
        && row.at(3).toInt() == owner.oneThirdFlag && owner.twoThirdsPercent == row.at(4)
        && cellFrom(row, 5) == owner.ownerMillesimi && cellFrom(row, 7) == owner.heatingQuantity
        && owner.meterReading == row.at(9) && row.at(10).toInt() == owner.readingEstimated
        && owner.demandMillesimi == row.at(11);
}

void SpeseWindow::restoreEdits(const RowSnapshot &to, const RowSnapshot &from)
{
    const QList<int> changed = RowSnapshot::changedRows(to, from);
    int firstOwner = 0;
    for (int n : changed) {
        const QStringList row = to.row(n);
        if (n <= MaxItems) {
            state().item(n) = ExpenseItem{row.value(0), row.value(1), row.value(2)};
            continue;
        }
        Owner &owner = state().owner(n - MaxItems);
        owner.takesPart = row.value(0).toInt();
        owner.fixedPercent = row.value(1);
        owner.floorMillesimi = row.value(2);
        owner.oneThirdFlag = row.value(3).toInt();
        owner.twoThirdsPercent = row.value(4);
        owner.ownerMillesimi = cellFrom(row, 5);
        owner.heatingQuantity = cellFrom(row, 7);
        owner.meterReading = row.value(9);
        owner.readingEstimated = row.value(10).toInt();
        owner.demandMillesimi = row.value(11);
        firstOwner = firstOwner ? firstOwner : n - MaxItems;
    }
    if (to.header != from.header) {
        const int criterion = to.header.value(1).toInt();
        if (criterion >= 1 && criterion <= SpeseForm::Criteria)
            chooseCriterion(criterion);
        else
            for (int j = 1; j <= SpeseForm::Criteria; ++j)
                unmark(m_form->option1[j]);
        state().calcType = to.header.value(0).toInt();
        state().meterParameters = MeterParameters{to.header.value(2), to.header.value(3).toInt()};
        showMeterParameters();
    }
    if (firstOwner && (firstOwner < topRow() || firstOwner >= topRow() + SpeseForm::Rows)) {
        const QSignalBlocker blocker(m_form->vscroll1);
        m_form->vscroll1->setValue(firstOwner);
    }
    showItemFields();
    redrawOwnerRows();
    showStepHint();
    allocate();
}

// --- rows and shares ---

void SpeseWindow::showTextIfChanged(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

void SpeseWindow::redrawOwnerRows()
{
    const bool noAmount = state().item(itemNumber()).expenseAmount.isEmpty();
    for (int r = 1; r <= SpeseForm::Rows; ++r) {
        const int i = topRow() + r - 1;
        const Owner &owner = state().owner(i);
        const SpeseForm::OwnerRow &row = m_form->rows[r];
        row.check1->setChecked(owner.takesPart != 0);
        row.rum->setText(QString::number(i));
        row.nomcond->setText(owner.ownerName);
        row.indir->setText(owner.ownerAddress);
        for (ExpenseColumn column : TextColumns)
            showTextIfChanged(row.field(column), columnText(owner, column));
        row.unterz->setChecked(owner.oneThirdFlag != 0);
        row.stima->setChecked(owner.readingEstimated != 0);
        row.spe->setText(noAmount ? QString() : owner.shareAmount);
    }
}

void SpeseWindow::allocate()
{
    const AllocationResult result = allocateExpense(state(), itemNumber());
    for (int i = 0; i < result.clearedPercentOwners.size(); ++i)
        tellUser(MessageIcon::Critical, percentOverLimitMessage());
    showAllocationResults(result);
    m_itemMillesimi.record(state());
}

// The allocation writes the shares, and may empty a fixed percentage or put 0 into an
// empty heating quantity: those columns are shown again with the editable columns.
void SpeseWindow::showAllocationResults(const AllocationResult &result)
{
    m_form->tutti->setEnabled(result.columns.tuttiEnabled);
    for (int r = 1; r <= SpeseForm::Rows; ++r) {
        const SpeseForm::OwnerRow &row = m_form->rows[r];
        const Owner &owner = state().owner(topRow() + r - 1);
        for (ExpenseColumn column : AllColumns)
            row.setEditable(column, result.columns.isEditable(column));
        if (!result.computed)
            continue;
        showTextIfChanged(row.perc, columnText(owner, ExpenseColumn::FixedPercent));
        showTextIfChanged(row.risc, columnText(owner, ExpenseColumn::HeatingQuantity));
        row.spe->setText(owner.shareAmount);
    }
}

// --- hint, check, clearing, messages ---

SpeseCheck::WindowChoices SpeseWindow::choices() const
{
    SpeseCheck::WindowChoices choices;
    choices.managementOptionMarked =
        m_form->option2[1]->isChecked() || m_form->option2[2]->isChecked();
    choices.managementType = managementTypeText(m_series.type());
    // While an option's toggle is handled the option it replaces may still be marked;
    // calcType is already the new one.
    choices.criterionOption = criterionOption() == 0 ? 0 : state().calcType;
    return choices;
}

void SpeseWindow::showStepHint()
{
    setStepHint(SpeseTexts::stepHint(SpeseCheck::stepHintRule(state(), itemNumber(), choices())));
}

void SpeseWindow::checkData()
{
    const SpeseCheck::Finding finding = SpeseCheck::check(state(), itemNumber(), choices());
    tellUser(finding.icon, finding.text);
}

void SpeseWindow::tellUser(MessageIcon icon, const QString &text)
{
    platform().showMessage(icon, state().texts.checkTitle, text);
}

void SpeseWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle,
                           SpeseTexts::instructions());
}

void SpeseWindow::showArticle(const QString &text)
{
    platform().showMessage(MessageIcon::Information, SpeseTexts::articlesTitle(), text);
}

void SpeseWindow::unmarkOptions()
{
    for (int j = 1; j <= 2; ++j)
        unmark(m_form->option2[j]);
    for (int j = 1; j <= SpeseForm::Criteria; ++j)
        unmark(m_form->option1[j]);
}

// The payment dates stay: they belong to the payments ledger of the owners' items.
void SpeseWindow::clearOwnerInputs()
{
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state().owner(i);
        owner.ownerName.clear();
        owner.ownerAddress.clear();
        owner.fixedPercent.clear();
        owner.floorMillesimi.clear();
        owner.heatingQuantity = Cell();
        owner.twoThirdsPercent.clear();
        owner.shareAmount.clear();
        owner.reminderDate.clear();
        owner.ownerRunningTotal = 0;
        owner.ownerMillesimi = Cell::fromNumber(0);
        owner.takesPart = 0;
        owner.oneThirdFlag = 0;
    }
}

void SpeseWindow::clearWindow()
{
    unmarkOptions();
    m_series.clear();
    m_itemMillesimi.forgetDeclined();
    m_form->esport->setEnabled(false);
    state().calcType = NoCriterion;
    clearOwnerInputs();
    MeterReadingsFile::clear(state());
    showMeterParameters();
    for (int k = 1; k <= MaxItems; ++k)
        state().item(k) = ExpenseItem();
    state().condoName.clear();
    state().ownerCount = 0;
    {
        const QSignalBlocker items(m_form->vscroll2);
        m_form->vscroll2->setValue(1);
        const QSignalBlocker owners(m_form->vscroll1);
        m_form->vscroll1->setValue(1);
    }
    m_form->ns->setText(QStringLiteral("1"));
    m_shownItem = 1;
    m_fileGuard.forget();
    showHeader();
    showItemFields();
    m_form->totspe->clear();
    redrawOwnerRows();
    emptyShares();
    shell().workWindow(1)->clearWindow();
    showStepHint();
}

// --- printouts ---

// A print needs something to print, then the item must pass the window's check.
bool SpeseWindow::readyToPrint(const std::optional<ExpensePrintCheck::Refusal> &refusal)
{
    if (refusal) {
        tellUser(refusal->icon, refusal->text);
        return false;
    }
    return clearedForPrinting(SpeseCheck::printClearance(state(), itemNumber(), choices()));
}

void SpeseWindow::printMain()
{
    printAllocation();
}

void SpeseWindow::printAllocation()
{
    if (!readyToPrint(ExpensePrintCheck::statementRefusal(state())))
        return;
    setStepHint(ExpenseStatementPrintout::openingStatus());
    handOverDocument(ExpenseStatementPrintout::build(state(), itemNumber(), m_series.type()),
                     ExpenseStatementPrintout::closingStatus());
}

// Each following item is loaded as a move of the item scroll bar loads it.
void SpeseWindow::printAllAllocations()
{
    if (!readyToPrint(ExpensePrintCheck::statementRefusal(state())))
        return;
    setStepHint(ExpenseStatementPrintout::openingStatus());
    const ReportDocument document = ExpenseStatementPrintout::buildFrom(
        state(), itemNumber(), m_series.type(), [this](int j) { setItemNumber(j); });
    handOverDocument(document, ExpenseStatementPrintout::closingStatus());
}

void SpeseWindow::printPaymentNotices()
{
    if (!readyToPrint(ExpensePrintCheck::noticesRefusal(state(), m_series.type())))
        return;
    setStepHint(PaymentNoticesPrintout::openingStatus());
    handOverDocument(PaymentNoticesPrintout::build(state(), itemNumber(), platform().today()),
                     QString());
}

// The season is the series on file: its heating items are read from their files, so that
// every owner's letter holds the readings as they were saved.
void SpeseWindow::printConsumptionSummary()
{
    if (!m_series.nameOf(1)) {
        tellUser(MessageIcon::Exclamation, ExpensePrintCheck::nothingToPrintMessage());
        return;
    }
    QString problem;
    const std::optional<ConsumptionSummary> summary = ConsumptionSummary::collect(
        [this](int k) { return m_series.nameOf(k); }, m_series.type(), &problem);
    if (!summary) {
        tellUser(MessageIcon::Critical, problem);
        return;
    }
    if (summary->items.isEmpty()) {
        tellUser(MessageIcon::Exclamation, ConsumptionSummaryPrintout::noHeatingItemsMessage());
        return;
    }
    setStepHint(PaymentNoticesPrintout::openingStatus());
    handOverDocument(
        ConsumptionSummaryPrintout::build(*summary, state().administrator, platform().today()),
        QString());
}

} // namespace veltra
