#include "ui/dati/datiwindow.h"

#include "core/registry/condominiumarchive.h"
#include "core/registry/condominiumcheck.h"
#include "core/registry/millesimalcomputation.h"
#include "core/registry/recordnotation.h"
#include "core/registry/registerfile.h"
#include "core/numbers/numberfilter.h"
#include "core/numbers/numbertext.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/registry/dataformprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "reports/registry/ownersheetsprintout.h"
#include "ui/dati/datiform.h"
#include "ui/dati/datiwindowtexts.h"
#include "ui/frame/archivedialogtexts.h"
#include "ui/frame/edithistory.h"
#include "ui/frame/editstep.h"
#include "ui/frame/rowsnapshot.h"
#include "ui/frame/shell.h"
#include "ui/pagamenti/pagamentiwindow.h"
#include "ui/spese/spesewindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace veltra {

using DatiRegistry::OwnerField;
using DatiRegistry::UnitField;

namespace {

// Where an owner's edit row keeps his record of the owners' register, and where his units
// begin.
constexpr int RecordColumn = DatiRegistry::OwnerFieldCount;
constexpr int FirstUnitColumn = RecordColumn + 1;

const QColor Highlight = Qt::yellow;
const QColor Plain = Qt::cyan;

void setBackground(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

} // namespace

// Keeps the row refreshes' cascades for the end of the outermost refresh.
class DatiWindow::RefreshBatch
{
public:
    explicit RefreshBatch(DatiWindow &window)
        : m_window(window)
    {
        ++m_window.m_refreshDepth;
    }
    ~RefreshBatch()
    {
        if (--m_window.m_refreshDepth == 0)
            m_window.runPending();
    }
    RefreshBatch(const RefreshBatch &) = delete;
    RefreshBatch &operator=(const RefreshBatch &) = delete;

private:
    DatiWindow &m_window;
};

DatiWindow::DatiWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 1, parent)
    , m_form(std::make_unique<DatiForm>(form()))
{
    keepEditHistory();
    connectControls();
    connectPrintEntries();
    form()->setMouseTracking(true);
    form()->installEventFilter(this);
    for (QLabel *label : m_form->numberLabels()) {
        setBackground(label, Plain);
        label->installEventFilter(this);
    }
}

DatiWindow::~DatiWindow() = default;

int DatiWindow::ownerTop() const
{
    return m_form->vscroll1->value();
}

int DatiWindow::unitTop() const
{
    return m_form->vscroll2->value();
}

int DatiWindow::heatingOption() const
{
    for (int k = 1; k <= 2; ++k) {
        if (m_form->option[k]->isChecked())
            return k;
    }
    return 0;
}

void DatiWindow::initialise()
{
    state().initSharedStrings();
    showStepHint();
    refreshOwnerRows();
}

void DatiWindow::connectControls()
{
    DatiForm &f = *m_form;
    connect(f.nome, &QLineEdit::textChanged, this, [this] { nomeChanged(); });
    for (int r = 1; r <= DatiForm::Rows; ++r) {
        for (int k = 0; k < DatiRegistry::OwnerFieldCount; ++k)
            connect(f.owners[r].fields[k], &QLineEdit::textChanged, this,
                    [this, r, k] { ownerFieldChanged(r, OwnerField(k)); });
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k)
            connect(f.units[r].fields[k], &QLineEdit::textChanged, this,
                    [this, r, k] { unitFieldChanged(r, UnitField(k)); });
        connect(f.owners[r].field(OwnerField::Floor), &QLineEdit::editingFinished, this,
                [this, r] { floorEditingFinished(r); });
        connect(f.owners[r].floorSpin, &QScrollBar::valueChanged, this,
                [this, r](int value) { floorSpinChanged(r, value); });
        connect(f.owners[r].canc, &QPushButton::clicked, this, [this, r] { deleteOwner(r); });
        connect(f.units[r].canc2, &QPushButton::clicked, this, [this, r] { deleteUnit(r); });
        connect(f.owners[r].stamp, &QPushButton::clicked, this, [this, r] {
            m_printOwner = ownerTop() + r - 1;
            printOwnerSheets();
        });
    }
    for (int k = 1; k <= 2; ++k)
        connect(f.option[k], &QRadioButton::toggled, this,
                [this, k](bool on) { heatingOptionToggled(k, on); });
    connect(f.vscroll1, &QScrollBar::valueChanged, this, [this] { refreshOwnerRows(); });
    connect(f.vscroll2, &QScrollBar::valueChanged, this, [this] { refreshUnitRows(); });
    for (int k = 0; k < 7; ++k)
        connect(f.coefficientButtons[k], &QPushButton::clicked, this,
                [this, k] { shell().showCoefficientWindow(CoefficientKind(k)); });
    connect(f.cmdspese, &QPushButton::clicked, this, [this] { shell().switchWindow(*this, 2); });
}

void DatiWindow::connectPrintEntries()
{
    const QStringList entries = DatiTexts::printEntries();
    connect(addPrintEntry(entries.at(0)), &QAction::triggered, this, [this] { printDataForm(); });
    connect(addPrintEntry(entries.at(1)), &QAction::triggered, this,
            [this] { printOwnerSheets(); });
    connect(addPrintEntry(entries.at(2)), &QAction::triggered, this,
            [this] { printMillesimalTable(); });
    connect(addPrintEntry(entries.at(3)), &QAction::triggered, this, [this] { printComplete(); });
}

// --- change handling of the fields ---

void DatiWindow::nomeChanged()
{
    const EditStep step(*this, QStringLiteral("nome"), 0);
    state().condoName = m_form->nome->text();
    // The meeting notice heads its page with the condominium's name.
    if (WorkWindow *notice = shell().existingWorkWindow(6)) {
        if (auto *label = notice->findChild<QLabel *>(QStringLiteral("nome")))
            label->setText(state().condoName);
    }
    if (m_refreshDepth > 0)
        m_pendingHint = true;
    else
        showStepHint();
}

QString DatiWindow::inputRuleText(const QString &text, const QString &previous, bool numeric,
                                  bool *refused)
{
    if (text == QLatin1String("+"))
        return previous;
    if (!numeric)
        return text;
    state().numberIn = text;
    const bool wrongKey = normaliseNumber(state());
    if (refused)
        *refused = wrongKey;
    return state().numberOut;
}

// A field that loses characters keeps its cursor where the user was typing.
bool DatiWindow::rewriteField(QLineEdit *field, const QString &text)
{
    const QString old = field->text();
    if (old == text)
        return false;
    const int cursor = field->cursorPosition() - int(old.size() - text.size());
    field->setText(text);
    if (text.size() < old.size())
        field->setCursorPosition(qMax(0, cursor));
    return true;
}

void DatiWindow::ownerFieldChanged(int r, OwnerField f)
{
    QLineEdit *field = m_form->owners[r].field(f);
    const int o = ownerTop() + r - 1;
    const EditStep step(*this, QStringLiteral("owner %1 %2").arg(o).arg(int(f)), o);
    const QString text =
        inputRuleText(field->text(), DatiRegistry::ownerCell(state().owner(o - 1), f), false);
    // The rewritten field runs this handling again on its new text.
    if (rewriteField(field, text))
        return;
    DatiRegistry::ownerCell(state().owner(o), f) = text;
    if (f == OwnerField::Floor) {
        bool whole = false;
        const int floor = text.toInt(&whole);
        if (whole && floor >= -10 && floor <= 40) {
            const QSignalBlocker blocker(m_form->owners[r].floorSpin);
            m_form->owners[r].floorSpin->setValue(floor);
        }
        m_floorWarned = false;
    }
    afterOwnerChange(f);
}

// A typed floor is judged whole, when the field is left: "1" on the way to "10" is no
// fault, and a box raised at that keystroke would take the next one.
void DatiWindow::floorEditingFinished(int r)
{
    judgeFloorOrder(ownerTop() + r - 1);
}

void DatiWindow::judgeFloorOrder(int o)
{
    // The warning's own box takes the focus and ends the editing again: one warning a value.
    if (m_floorWarned || !DatiRegistry::breaksFloorOrder(state(), o))
        return;
    m_floorWarned = true;
    showFloorOrderWarning();
}

void DatiWindow::unitFieldChanged(int r, UnitField f)
{
    QLineEdit *field = m_form->units[r].field(f);
    const int i = ownerTop();
    const int u = unitTop() + r - 1;
    bool refused = false;
    const EditStep step(*this, QStringLiteral("unit %1 %2 %3").arg(i).arg(u).arg(int(f)), i);
    const QString text = inputRuleText(field->text(), DatiRegistry::unitCell(state().unit(i, u - 1), f),
                                       DatiRegistry::isNumeric(f), &refused);
    if (rewriteField(field, text)) {
        // Told in the hint, which takes no keystroke: a message box would swallow the
        // keys typed next.
        if (refused)
            setStepHint(numberRejectedMessage());
        return;
    }
    DatiRegistry::unitCell(state().unit(i, u), f) = text;
    afterUnitChange(f, u);
}

// A floor set with the spin is whole at once.
void DatiWindow::floorSpinChanged(int r, int value)
{
    showText(m_form->owners[r].field(OwnerField::Floor), QString::number(value));
    judgeFloorOrder(ownerTop() + r - 1);
}

// The step hint follows the recount, so that it never asks for what was just typed.
void DatiWindow::afterOwnerChange(OwnerField field)
{
    const bool recount = field == OwnerField::Name;
    if (m_refreshDepth > 0) {
        m_pendingOwnerCount = m_pendingOwnerCount || recount;
        m_pendingHint = m_pendingRecompute = true;
        return;
    }
    if (recount)
        recountOwners();
    showStepHint();
    recompute();
}

void DatiWindow::afterUnitChange(UnitField field, int u)
{
    const bool recount = field == UnitField::Name;
    if (m_refreshDepth > 0) {
        m_pendingUnitCount = m_pendingUnitCount || recount;
        m_pendingHint = m_pendingRecompute = true;
        return;
    }
    // A name changes the unit count, and with it what the hint and the computation count.
    if (recount) {
        recountUnits();
        showStepHint();
        recompute();
        return;
    }
    showStepHintAfterUnit(u);
    recomputeUnit(u);
}

void DatiWindow::runPending()
{
    if (m_pendingOwnerCount)
        recountOwners();
    if (m_pendingUnitCount)
        recountUnits();
    if (m_pendingHint)
        showStepHint();
    if (m_pendingRecompute)
        recompute();
    m_pendingOwnerCount = m_pendingUnitCount = m_pendingHint = m_pendingRecompute = false;
}

void DatiWindow::showFloorOrderWarning()
{
    platform().showMessage(MessageIcon::Critical, state().texts.helpTitle,
                           DatiTexts::floorOrderWarning());
}

void DatiWindow::heatingOptionToggled(int k, bool on)
{
    if (!on)
        return;
    const EditStep step(*this);
    showHeatingOption(k);
    state().heatingBasis = k;
    showStepHint();
}

void DatiWindow::showHeatingOption(int k)
{
    m_form->label13->setText(DatiTexts::heatingHeading(k));
    m_form->label14->setText(DatiTexts::heatingUnit(k));
}

void DatiWindow::markHeatingOptionFromState()
{
    const int basis = state().heatingBasis;
    if (basis == 1 || basis == 2)
        m_form->option[basis]->setChecked(true);
}

void DatiWindow::unmarkHeatingOptions()
{
    for (int k = 1; k <= 2; ++k) {
        // An exclusive option cannot be unmarked while it is exclusive.
        m_form->option[k]->setAutoExclusive(false);
        m_form->option[k]->setChecked(false);
        m_form->option[k]->setAutoExclusive(true);
    }
    showHeatingOption(0);
}

// --- rows ---

void DatiWindow::showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

void DatiWindow::showOwnersFromFirst()
{
    {
        const QSignalBlocker blocker(m_form->vscroll1);
        m_form->vscroll1->setValue(1);
    }
    refreshOwnerRows();
}

// A refresh stores back what the fields show: one step, which is none unless a field held
// something else.
void DatiWindow::refreshOwnerRows()
{
    const EditStep step(*this);
    const RefreshBatch batch(*this);
    showText(m_form->nome, state().condoName);
    for (int r = 1; r <= DatiForm::Rows; ++r) {
        const int o = ownerTop() + r - 1;
        const DatiForm::OwnerRow &row = m_form->owners[r];
        row.rum->setText(QString::number(o));
        for (int k = 0; k < DatiRegistry::OwnerFieldCount; ++k)
            showText(row.fields[k], DatiRegistry::ownerCell(state().owner(o), OwnerField(k)));
    }
    {
        const QSignalBlocker blocker(m_form->vscroll2);
        m_form->vscroll2->setValue(1);
    }
    refreshUnitRows();
}

void DatiWindow::refreshUnitRows()
{
    const EditStep step(*this);
    const RefreshBatch batch(*this);
    const int i = ownerTop();
    for (int r = 1; r <= DatiForm::Rows; ++r) {
        const int u = unitTop() + r - 1;
        const DatiForm::UnitRow &row = m_form->units[r];
        row.num->setText(QString::number(u));
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k)
            showText(row.fields[k], DatiRegistry::unitCell(state().unit(i, u), UnitField(k)));
    }
    showUnitResults();
}

void DatiWindow::showUnitResults()
{
    const int i = ownerTop();
    for (int r = 1; r <= DatiForm::Rows; ++r) {
        const UnitFigures &figures = state().unitFigures(i, unitTop() + r - 1);
        m_form->units[r].virt->setText(NumberText::plain(figures.virtualSurface));
        m_form->units[r].mill->setText(NumberText::plain(figures.unitMillesimi));
    }
}

void DatiWindow::recountOwners()
{
    state().ownerCount = DatiRegistry::countOwners(state());
    m_form->label1->setText(QString::number(state().ownerCount));
}

void DatiWindow::recountUnits()
{
    Owner &owner = state().owner(ownerTop());
    owner.unitCount = DatiRegistry::countUnits(owner);
    m_form->frame1->setTitle(ownerCaption(state(), ownerTop()));
}

void DatiWindow::recompute()
{
    // Whatever called for the whole computation may have changed any unit: the next typed
    // cell looks for the hint's gap from the start again.
    m_unitGap.reset();
    m_tablesComplete = recomputeTables(state());
    showRecomputedTables();
}

// One typed surface or coefficient: only what depends on unit u of the owner shown is
// computed again, when the tables were complete before it.
void DatiWindow::recomputeUnit(int u)
{
    m_tablesComplete = m_tablesComplete ? recomputeAfterUnitChange(state(), ownerTop(), u)
                                        : recomputeTables(state());
    showRecomputedTables();
}

void DatiWindow::showRecomputedTables()
{
    if (!m_tablesComplete)
        return;
    m_form->frame1->setTitle(ownerCaption(state(), ownerTop()));
    showUnitResults();
}

void DatiWindow::showStepHint()
{
    m_unitGap = DatiRegistry::firstUnitGap(state());
    showStepHintAt(*m_unitGap);
}

// The typed cell of unit u of the owner shown can only move the hint's gap to itself, or on
// from itself when it was the gap.
void DatiWindow::showStepHintAfterUnit(int u)
{
    if (!m_unitGap) {
        showStepHint();
        return;
    }
    m_unitGap = DatiRegistry::gapAfterUnitChange(state(), *m_unitGap, ownerTop(), u);
    showStepHintAt(*m_unitGap);
}

void DatiWindow::showStepHintAt(DatiRegistry::UnitGap gap)
{
    setStepHint(DatiRegistry::stepHint(state(), m_form->nome->text().isEmpty(), heatingOption(), gap));
}

void DatiWindow::copyPreviousOwner(int r)
{
    const int o = ownerTop() + r - 1;
    if (o == 1 || state().ownerCount == 0)
        return;
    const bool held = !ownerRow(o).mid(0, DatiRegistry::OwnerFieldCount).join(QString()).isEmpty();
    if (held
        && !platform().askYesNo(MessageIcon::Question, state().texts.appTitle,
                                DatiTexts::copyOverOwnerQuestion(o), false))
        return;
    const EditStep step(*this);
    DatiRegistry::copyPreviousOwner(state(), o);
    refreshOwnerRows();
}

void DatiWindow::copyPreviousUnit(int r)
{
    const int i = ownerTop();
    const int u = unitTop() + r - 1;
    if (u == 1 || state().owner(i).unitCount == 0)
        return;
    const Unit &unit = state().unit(i, u);
    bool held = false;
    for (int f = 0; f < DatiRegistry::UnitFieldCount; ++f)
        held = held || !DatiRegistry::unitCell(unit, UnitField(f)).isEmpty();
    if (held
        && !platform().askYesNo(MessageIcon::Question, state().texts.appTitle,
                                DatiTexts::copyOverUnitQuestion(u), false))
        return;
    const EditStep step(*this);
    DatiRegistry::copyPreviousUnit(state(), i, u);
    refreshUnitRows();
}

void DatiWindow::deleteOwner(int r)
{
    const EditStep step(*this);
    DatiRegistry::removeOwner(state(), ownerTop() + r - 1);
    recountOwners();
    refreshOwnerRows();
    recompute();
}

void DatiWindow::deleteUnit(int r)
{
    const EditStep step(*this);
    if (!DatiRegistry::removeUnit(state(), ownerTop(), unitTop() + r - 1))
        return;
    refreshUnitRows();
    recompute();
}

void DatiWindow::clearWindow()
{
    {
        const RefreshBatch batch(*this);
        DatiRegistry::clearRegistry(state());
        {
            const QSignalBlocker owners(m_form->vscroll1);
            m_form->vscroll1->setValue(1);
        }
        // Showing the emptied registry from the first owner empties every row field.
        refreshOwnerRows();
    }
    m_form->label1->clear();
    m_form->frame1->setTitle(QString());
    unmarkHeatingOptions();
    showStepHint();
}

// --- edit history ---

// The header holds the condominium's name, the heating basis and the option marked, which
// clearing unmarks while the basis stays.
QStringList DatiWindow::editHeader() const
{
    return {state().condoName, QString::number(state().heatingBasis),
            QString::number(heatingOption()), RecordNotation::text(state().anagrafe.safety)};
}

int DatiWindow::editRowCount() const
{
    return MaxOwners + 1;
}

QStringList DatiWindow::editRow(int o) const
{
    return ownerRow(o);
}

// Compared cell by cell where it stands: a keystroke compares the whole registry twice,
// and building its rows would cost more than the keystroke's own work.
bool DatiWindow::editRowIs(int o, const QStringList &row) const
{
    const Owner &owner = state().owner(o);
    for (int k = 0; k < DatiRegistry::OwnerFieldCount; ++k) {
        if (DatiRegistry::ownerCell(owner, OwnerField(k)) != row.value(k))
            return false;
    }
    if (state().anagrafe.recordText(o) != row.value(RecordColumn))
        return false;
    for (int j = 1; j <= MaxUnits; ++j) {
        const int first = FirstUnitColumn + (j - 1) * DatiRegistry::UnitFieldCount;
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k) {
            const QString &cell = DatiRegistry::unitCell(owner.units[j], UnitField(k));
            if (first + k < row.size() ? cell != row.at(first + k) : !cell.isEmpty())
                return false;
        }
    }
    return true;
}

// Name, address and floor, the owner's record in the owners' register, then the ten input
// cells of each unit up to the last one that holds any; the computed cells follow from these.
QStringList DatiWindow::ownerRow(int o) const
{
    const Owner &owner = state().owner(o);
    QStringList row;
    for (int k = 0; k < DatiRegistry::OwnerFieldCount; ++k)
        row.append(DatiRegistry::ownerCell(owner, OwnerField(k)));
    row.append(state().anagrafe.recordText(o));
    int last = 0;
    for (int j = 1; j <= MaxUnits; ++j) {
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k) {
            if (!DatiRegistry::unitCell(owner.units[j], UnitField(k)).isEmpty())
                last = j;
        }
    }
    for (int j = 1; j <= last; ++j) {
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k)
            row.append(DatiRegistry::unitCell(owner.units[j], UnitField(k)));
    }
    return row;
}

void DatiWindow::putOwnerRow(int o, const QStringList &row)
{
    Owner &owner = state().owner(o);
    for (int k = 0; k < DatiRegistry::OwnerFieldCount; ++k)
        DatiRegistry::ownerCell(owner, OwnerField(k)) = row.value(k);
    state().anagrafe.setRecord(o, RecordNotation::fromText(row.value(RecordColumn)));
    for (int j = 1; j <= MaxUnits; ++j) {
        owner.clearUnit(j);
        Unit &unit = owner.units[j];
        const int first = FirstUnitColumn + (j - 1) * DatiRegistry::UnitFieldCount;
        for (int k = 0; k < DatiRegistry::UnitFieldCount; ++k)
            DatiRegistry::unitCell(unit, UnitField(k)) = row.value(first + k);
    }
    owner.unitCount = DatiRegistry::countUnits(owner);
}

void DatiWindow::putHeader(const QStringList &header)
{
    state().condoName = header.value(0);
    state().heatingBasis = header.value(1).toInt();
    state().anagrafe.safety = RecordNotation::safetyFromText(header.value(3));
    const int option = header.value(2).toInt();
    if (option == 1 || option == 2)
        m_form->option[option]->setChecked(true);
    else
        unmarkHeatingOptions();
}

// The rows come back as the owner recorded in them; the first one changed is brought into
// view, so that the user sees what was put back.
void DatiWindow::restoreEdits(const RowSnapshot &to, const RowSnapshot &from)
{
    const RefreshBatch batch(*this);
    if (to.header != from.header)
        putHeader(to.header);
    const QList<int> changed = RowSnapshot::changedRows(to, from);
    for (int o : changed)
        putOwnerRow(o, to.row(o));
    recountOwners();
    if (!changed.isEmpty())
        showOwner(changed.first());
    refreshOwnerRows();
    m_pendingHint = m_pendingRecompute = true;
}

void DatiWindow::showOwner(int o)
{
    const int top = ownerTop();
    if (o >= top && o < top + DatiForm::Rows)
        return;
    const QSignalBlocker blocker(m_form->vscroll1);
    m_form->vscroll1->setValue(o);
}

// --- mouse over and clicks on the number labels ---

bool DatiWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form() && event->type() == QEvent::MouseMove) {
        lightNumberLabel(nullptr);
        return false;
    }
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || !m_form->numberLabels().contains(label))
        return WorkWindow::eventFilter(watched, event);
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        lightNumberLabel(label);
    if (event->type() == QEvent::MouseButtonPress) {
        for (int r = 1; r <= DatiForm::Rows; ++r) {
            if (label == m_form->owners[r].rum)
                copyPreviousOwner(r);
            else if (label == m_form->units[r].num)
                copyPreviousUnit(r);
        }
        return true;
    }
    return false;
}

void DatiWindow::lightNumberLabel(QObject *lit)
{
    for (QLabel *label : m_form->numberLabels())
        setBackground(label, label == lit ? Highlight : Plain);
}

// --- commands ---

void DatiWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle,
                           DatiTexts::instructions());
}

void DatiWindow::checkData()
{
    const CondominiumCheck::Finding finding =
        CondominiumCheck::check(state(), heatingOption(), CondominiumCheck::Form::Command);
    if (!finding.text.isEmpty())
        platform().showMessage(finding.icon, state().texts.checkTitle, finding.text);
}

void DatiWindow::handOver()
{
    if (state().owner(1).unitCount == 0 && state().ownerCount > 0
        && platform().askYesNo(MessageIcon::Question, state().texts.checkTitle,
                               DatiTexts::deletedDataQuestion(), true))
        openArchive();
    reinitialiseExpenseAndPaymentsWindows();
}

// The expense and payments windows rebuild their per-owner tables from the shared state
// when they are opened; they run that step again here once they exist.
void DatiWindow::reinitialiseExpenseAndPaymentsWindows()
{
    const bool expenseWindowExisted = shell().existingWorkWindow(2) != nullptr;
    // A window created here has just run its opening initialisation while loading.
    auto *expenses = qobject_cast<SpeseWindow *>(shell().workWindow(2));
    if (expenses && expenseWindowExisted)
        expenses->reinitialiseFromSharedState();
    if (auto *payments = qobject_cast<PagamentiWindow *>(shell().existingWorkWindow(4)))
        payments->reinitialiseFromSharedState();
}

void DatiWindow::openArchive()
{
    if (!settleUnsavedChanges())
        return;
    FileDialogRequest request;
    request.title = ArchiveDialogTexts::openTitle();
    request.filter = DatiTexts::openDialogFilter();
    request.selectedFilter = 2;
    const QString previousName = m_archiveName;
    m_archiveName = platform().openFileName(request);
    if (m_archiveName.isEmpty())
        return;
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_archiveName);
    // A folder, a broken link or a device is named, and never becomes the file of "&Salva".
    if (!result.opened) {
        platform().showMessage(MessageIcon::Critical, state().texts.checkTitle,
                               ArchiveDialogTexts::notOpenedMessage(m_archiveName, result.problem));
        m_archiveName = previousName;
        return;
    }
    // A file that is no condominium archive must not wipe the data on screen unasked; and
    // keeping them, the file must not become the one the next "&Salva" overwrites.
    if (!result.isComplete()
        && !platform().askYesNo(MessageIcon::Question, state().texts.checkTitle,
                                DatiTexts::partialArchiveQuestion(m_archiveName, result.problem),
                                false)) {
        m_archiveName = previousName;
        return;
    }
    m_fileGuard.remember(m_archiveName);
    QString registerMessage;
    {
        const EditHistory::Unrecorded unrecorded(*editHistory());
        const RefreshBatch batch(*this);
        clearWindow();
        CondominiumArchive::apply(result, state());
        registerMessage = RegisterFile::loadBeside(state(), m_archiveName);
        markHeatingOptionFromState();
        refreshOwnerRows();
    }
    editHistory()->restart();
    if (!registerMessage.isEmpty())
        platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle, registerMessage);
}

void DatiWindow::saveArchive()
{
    saveCondominium(DatiTexts::saveDialogTitle());
}

void DatiWindow::saveArchiveAs()
{
    const QString previousName = m_archiveName;
    m_archiveName.clear();
    if (!saveCondominium(ArchiveDialogTexts::saveAsTitle(), previousName))
        m_archiveName = previousName;
}

bool DatiWindow::saveCondominium(const QString &dialogTitle, const QString &ownName)
{
    if (!dataReadyForSaving())
        return false;
    QString path =
        m_archiveName.isEmpty() ? chooseSaveName(dialogTitle, ownName) : m_archiveName;
    path = m_fileGuard.confirmedPath(platform(), state().texts.appTitle, path, [this, &ownName] {
        return chooseSaveName(ArchiveDialogTexts::saveAsTitle(), ownName);
    });
    if (path.isEmpty())
        return false;
    QString reason;
    if (!CondominiumArchive::save(state(), path, &reason)) {
        platform().showMessage(MessageIcon::Critical, state().texts.appTitle,
                               ArchiveDialogTexts::saveFailedMessage(path, reason));
        return false;
    }
    m_archiveName = path;
    Platform::enterFolderOf(path);
    editHistory()->markSaved();
    m_fileGuard.remember(path);
    // The register follows the owners' numbers of this very save.
    if (!RegisterFile::saveBeside(state(), path, &reason))
        platform().showMessage(MessageIcon::Critical, state().texts.appTitle,
                               ArchiveDialogTexts::saveFailedMessage(
                                   RegisterFile::pathBeside(path), reason));
    return true;
}

bool DatiWindow::dataReadyForSaving()
{
    const CondominiumCheck::Finding finding =
        CondominiumCheck::check(state(), heatingOption(), CondominiumCheck::Form::BeforeSaving);
    if (!finding.passed) {
        platform().showMessage(finding.icon, state().texts.checkTitle, finding.text);
        return false;
    }
    const std::optional<CondominiumArchive::UnwritableField> unwritable =
        CondominiumArchive::firstUnwritableField(state());
    if (unwritable) {
        platform().showMessage(MessageIcon::Critical, state().texts.checkTitle,
                               DatiTexts::unwritableFieldMessage(unwritable->field,
                                                                 unwritable->reason));
        return false;
    }
    return true;
}

QString DatiWindow::chooseSaveName(const QString &dialogTitle, const QString &ownName)
{
    FileDialogRequest request;
    request.title = dialogTitle;
    request.filter = DatiTexts::saveDialogFilter();
    request.selectedFilter = 1;
    return chooseArchiveSaveName(request, ownName);
}

// --- printouts ---

void DatiWindow::printMain()
{
    printComplete();
}

bool DatiWindow::beginOwnerPrint(const QString &openingStatus)
{
    const int n = state().ownerCount;
    if (n == 0) {
        platform().showMessage(MessageIcon::Question, state().texts.checkTitle,
                               QStringLiteral("Attenzione: non vi sono dati da stampare."));
        return false;
    }
    if (!clearedForPrinting(CondominiumCheck::printClearance(state(), heatingOption())))
        return false;
    for (int top = 6; top <= n; top += DatiForm::Rows)
        m_form->vscroll1->setValue(top);
    setStepHint(openingStatus);
    return true;
}

void DatiWindow::printDataForm()
{
    setStepHint(DataFormPrintout::openingStatus());
    handOverDocument(DataFormPrintout::build(), DataFormPrintout::closingStatus());
}

void DatiWindow::printOwnerSheets()
{
    const int printOwner = m_printOwner;
    m_printOwner = 0;
    if (!beginOwnerPrint(OwnerSheetsPrintout::openingStatus()))
        return;
    handOverDocument(OwnerSheetsPrintout::build(state(), printOwner),
                     OwnerSheetsPrintout::closingStatus());
}

void DatiWindow::printMillesimalTable()
{
    if (!beginOwnerPrint(MillesimalTablePrintout::openingStatus()))
        return;
    handOverDocument(MillesimalTablePrintout::build(state()),
                     MillesimalTablePrintout::closingStatus());
}

void DatiWindow::printComplete()
{
    if (!beginOwnerPrint(CompletePrintout::openingStatus()))
        return;
    handOverDocument(CompletePrintout::build(state()), CompletePrintout::closingStatus());
}

} // namespace veltra
