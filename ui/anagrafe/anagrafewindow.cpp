#include "ui/anagrafe/anagrafewindow.h"

#include "core/platform/platform.h"
#include "core/registry/recordnotation.h"
#include "core/registry/registercheck.h"
#include "core/state/sharedstate.h"
#include "reports/document/printstatus.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/datarequestprintout.h"
#include "reports/registry/privacynoticeprintout.h"
#include "reports/registry/registerprintout.h"
#include "ui/anagrafe/anagrafeform.h"
#include "ui/anagrafe/registercolumns.h"
#include "ui/frame/editstep.h"
#include "ui/frame/shell.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

namespace veltra {

namespace {

constexpr int DatiNumber = 1;
const QString StepHint = QString::fromUtf8(
    "Scegliere il condomino e completare persone e dati catastali; le modifiche si salvano "
    "con l'archivio del condominio.");

const QString Instructions = QString::fromUtf8(
    "Si sceglie il condomino in alto. Nella scheda Persone si elencano il proprietario, i "
    "comproprietari con la loro quota, chi ha un diritto reale o personale di godimento e i "
    "conduttori, con codice fiscale e residenza; nella scheda Unità si scrivono i dati "
    "catastali del primo locale di ogni unità immobiliare: valgono anche per i locali che lo "
    "seguono. Le variazioni si registrano con la data e il documento da cui risultano. In basso "
    "compare ciò che la scheda ancora non contiene. Tutto si salva insieme all'archivio del "
    "condominio e si annulla dalla finestra Dati.");

QTableWidgetItem *item(const QString &text, bool editable = true)
{
    auto *cell = new QTableWidgetItem(text);
    if (!editable)
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    return cell;
}

QComboBox *choice(const QStringList &names, const QString &current)
{
    auto *box = new QComboBox;
    box->addItems(names);
    box->setCurrentIndex(std::max(0, int(names.indexOf(current))));
    return box;
}

QString bulleted(const QStringList &lines)
{
    return QStringLiteral("- ") + lines.join(QStringLiteral("\n- "));
}

} // namespace

AnagrafeWindow::AnagrafeWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 10, parent)
    , m_form(std::make_unique<AnagrafeForm>(form()))
{
    connectControls();
    addPrintEntries();
}

AnagrafeWindow::~AnagrafeWindow() = default;

void AnagrafeWindow::connectControls()
{
    connect(m_form->condomino, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { if (!m_showing) showRecord(); });
    connect(m_form->persone, &QTableWidget::cellChanged, this, &AnagrafeWindow::personEdited);
    connect(m_form->unita, &QTableWidget::cellChanged, this, &AnagrafeWindow::unitEdited);
    connect(m_form->variazioni, &QTableWidget::cellChanged, this, &AnagrafeWindow::changeEdited);
    connect(m_form->sicurezza, &QTableWidget::cellChanged, this, &AnagrafeWindow::safetyEdited);
    connect(m_form->ultimacomunicazione, &QLineEdit::editingFinished, this,
            &AnagrafeWindow::lastCommunicationEdited);
    connect(m_form->aggiungipersona, &QPushButton::clicked, this, &AnagrafeWindow::addPerson);
    connect(m_form->toglipersona, &QPushButton::clicked, this, &AnagrafeWindow::removePerson);
    connect(m_form->aggiungivariazione, &QPushButton::clicked, this, &AnagrafeWindow::addChange);
    connect(m_form->toglivariazione, &QPushButton::clicked, this, &AnagrafeWindow::removeChange);
    connect(m_form->aggiungivoce, &QPushButton::clicked, this, &AnagrafeWindow::addSafetyItem);
    connect(m_form->toglivoce, &QPushButton::clicked, this, &AnagrafeWindow::removeSafetyItem);
}

void AnagrafeWindow::addPrintEntries()
{
    const std::array<std::tuple<const char *, const char *, void (AnagrafeWindow::*)()>, 3> entries = {{
        {"stampaanagrafe", "&Anagrafe condominiale", &AnagrafeWindow::printRegister},
        {"stamparichiesta", "&Richiesta dei dati mancanti", &AnagrafeWindow::printDataRequests},
        {"stampainformativa", "&Informativa sul trattamento dei dati", &AnagrafeWindow::printPrivacyNotice},
    }};
    for (const auto &[name, caption, command] : entries) {
        QAction *action = addPrintEntry(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
    }
}

void AnagrafeWindow::initialise()
{
    refresh();
    showDueSafetyChecks();
}

// The registry and the register may have changed in the condominium window meanwhile (an
// owner typed or deleted, an edit undone): coming forward, the window shows them afresh.
bool AnagrafeWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return WorkWindow::event(event);
}

WorkWindow &AnagrafeWindow::datiWindow() const
{
    return *shell().workWindow(DatiNumber);
}

int AnagrafeWindow::currentOwner() const
{
    return m_form->condomino->currentData().toInt();
}

void AnagrafeWindow::showOwner(int i)
{
    const int index = m_form->condomino->findData(i);
    if (index >= 0)
        m_form->condomino->setCurrentIndex(index);
}

// Only what changed elsewhere is shown again, so that coming back to the window does not
// close a cell being edited.
void AnagrafeWindow::refresh()
{
    QString shown = RecordNotation::text(state().anagrafe.safety);
    for (int i = 1; i <= MaxOwners; ++i) {
        const Owner &owner = state().owner(i);
        if (owner.ownerName.isEmpty())
            continue;
        shown += owner.ownerName + QLatin1Char('\n') + state().anagrafe.recordText(i);
        for (int j = 1; j <= owner.unitCount && j <= MaxUnits; ++j)
            shown += owner.units[j].unitName + QLatin1Char('\n');
    }
    if (shown == m_shown && m_form->condomino->count() > 0)
        return;
    m_shown = shown;
    fillOwners();
    showRecord();
    showSafety();
}

void AnagrafeWindow::fillOwners()
{
    const int kept = currentOwner();
    m_showing = true;
    m_form->condomino->clear();
    for (int i = 1; i <= MaxOwners; ++i) {
        const QString &name = state().owner(i).ownerName;
        if (!name.isEmpty())
            m_form->condomino->addItem(QStringLiteral("%1 - %2").arg(i).arg(name), i);
    }
    const int index = m_form->condomino->findData(kept);
    m_form->condomino->setCurrentIndex(index >= 0 ? index : 0);
    m_showing = false;
}

void AnagrafeWindow::showRecord()
{
    const int i = currentOwner();
    const OwnerRecord record = i > 0 ? state().anagrafe.record(i) : OwnerRecord();
    m_showing = true;
    showPersons(record);
    showUnits(record);
    showChanges(record);
    m_form->ultimacomunicazione->setText(RegisterColumns::dateText(record.lastCommunication));
    m_showing = false;
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_form->persone, m_form->unita, m_form->variazioni, m_form->ultimacomunicazione,
             m_form->aggiungipersona, m_form->toglipersona, m_form->aggiungivariazione,
             m_form->toglivariazione})
        control->setEnabled(i > 0);
    showFindings();
}

void AnagrafeWindow::showPersons(const OwnerRecord &record)
{
    QTableWidget *table = m_form->persone;
    const QSignalBlocker blocker(table);
    table->setRowCount(int(record.persons.size()));
    for (int r = 0; r < record.persons.size(); ++r) {
        const RegisterPerson &person = record.persons.at(r);
        for (int c = 0; c < RegisterColumns::PersonColumnCount; ++c)
            table->setItem(r, c, item(RegisterColumns::text(person, c)));
        // Role and channel are chosen, not typed.
        const std::pair<int, QStringList> choices[] = {
            {RegisterColumns::Role, PersonRoles::names()},
            {RegisterColumns::Channel, RegisterColumns::channelNames()}};
        for (const auto &[column, names] : choices) {
            QComboBox *box = choice(names, RegisterColumns::text(person, column));
            connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    [this, r, column = column] { personEdited(r, column); });
            table->setCellWidget(r, column, box);
        }
    }
}

void AnagrafeWindow::showUnits(const OwnerRecord &record)
{
    QTableWidget *table = m_form->unita;
    const QSignalBlocker blocker(table);
    const Owner &owner = state().owner(std::max(0, currentOwner()));
    QList<int> units;
    for (int j = 1; j <= MaxUnits; ++j) {
        if (!owner.units[j].unitName.isEmpty())
            units << j;
    }
    table->setRowCount(int(units.size()));
    for (int r = 0; r < units.size(); ++r) {
        const int j = units.at(r);
        const CadastralUnit unit = record.units.value(j);
        auto *name = item(QStringLiteral("%1 %2").arg(j).arg(owner.units[j].unitName), false);
        name->setData(Qt::UserRole, j);
        table->setItem(r, RegisterColumns::UnitName, name);
        for (int c = RegisterColumns::Comune; c < RegisterColumns::UnitColumnCount; ++c)
            table->setItem(r, c, item(RegisterColumns::text(unit, c)));
    }
}

void AnagrafeWindow::showChanges(const OwnerRecord &record)
{
    QTableWidget *table = m_form->variazioni;
    const QSignalBlocker blocker(table);
    table->setRowCount(int(record.changes.size()));
    for (int r = 0; r < record.changes.size(); ++r) {
        const RegisterChange &change = record.changes.at(r);
        for (int c = 0; c < RegisterColumns::Transfer; ++c)
            table->setItem(r, c, item(RegisterColumns::text(change, c)));
        auto *transfer = item(QString(), false);
        transfer->setFlags(transfer->flags() | Qt::ItemIsUserCheckable);
        transfer->setCheckState(change.transfer ? Qt::Checked : Qt::Unchecked);
        table->setItem(r, RegisterColumns::Transfer, transfer);
    }
}

void AnagrafeWindow::showSafety()
{
    QTableWidget *table = m_form->sicurezza;
    const QSignalBlocker blocker(table);
    const QVector<SafetyItem> &items = state().anagrafe.safety;
    table->setRowCount(int(items.size()));
    for (int r = 0; r < items.size(); ++r) {
        for (int c = 0; c < RegisterColumns::SafetyColumnCount; ++c)
            table->setItem(r, c, item(RegisterColumns::text(items.at(r), c)));
    }
}

void AnagrafeWindow::showFindings()
{
    const int i = currentOwner();
    if (i == 0) {
        m_form->stato->setText(QString());
        m_form->rilievi->setText(QString::fromUtf8("Nessun condomino: inserirli nella finestra Dati."));
        setStepHint(StepHint);
        return;
    }
    const RegisterCheck::OwnerFindings findings = RegisterCheck::checkOwner(state(), i, platform().today());
    m_form->stato->setText(findings.isEmpty() ? QStringLiteral("scheda completa")
                                              : QStringLiteral("scheda da completare"));
    QStringList lines;
    if (!findings.missing.isEmpty())
        lines << QStringLiteral("Mancano:\n") + bulleted(findings.missing);
    if (!findings.wrong.isEmpty())
        lines << QStringLiteral("Da verificare:\n") + bulleted(findings.wrong);
    m_form->rilievi->setText(lines.isEmpty() ? QString::fromUtf8("La scheda contiene tutto ciò che "
                                                                 "l'art. 1130, n. 6, c.c. chiede.")
                                             : lines.join(QLatin1Char('\n')));
    setStepHint(StepHint);
}

void AnagrafeWindow::showDueSafetyChecks()
{
    const QVector<SafetyItem> due = RegisterCheck::dueSafetyItems(state().anagrafe.safety, platform().today());
    if (due.isEmpty())
        return;
    QStringList lines;
    for (const SafetyItem &s : due)
        lines << QStringLiteral("%1: %2 il %3")
                     .arg(s.item,
                          s.nextDue < platform().today() ? QStringLiteral("scaduta")
                                                         : QStringLiteral("scade"),
                          RegisterColumns::dateText(s.nextDue));
    platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle,
                           QString::fromUtf8("Verifiche delle parti comuni scadute o in scadenza "
                                             "nei prossimi %1 giorni:\n")
                                   .arg(RegisterCheck::ReportDays)
                               + bulleted(lines));
}

QString AnagrafeWindow::cellText(QTableWidget *table, int row, int column) const
{
    if (auto *box = qobject_cast<QComboBox *>(table->cellWidget(row, column)))
        return box->currentText();
    const QTableWidgetItem *cell = table->item(row, column);
    return cell ? cell->text() : QString();
}

void AnagrafeWindow::refuse(const QString &reason)
{
    platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle, reason);
    showRecord();
    showSafety();
}

void AnagrafeWindow::storeRecord(const OwnerRecord &record)
{
    const int i = currentOwner();
    {
        const EditStep step(datiWindow(), QString(), i);
        state().anagrafe.setRecord(i, record);
    }
    showFindings();
}

void AnagrafeWindow::storeSafety(const QVector<SafetyItem> &items)
{
    const EditStep step(datiWindow(), QString(), 0);
    state().anagrafe.safety = items;
}

void AnagrafeWindow::personEdited(int row, int column)
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    if (m_showing || row >= record.persons.size())
        return;
    const bool unnamed = record.persons.at(row).surname.isEmpty();
    const QString reason = RegisterColumns::set(record.persons[row], column,
                                                cellText(m_form->persone, row, column));
    if (!reason.isEmpty())
        return refuse(reason);
    if (unnamed && !record.persons.at(row).surname.isEmpty())
        logChange(record, QStringLiteral("entra nella scheda "), record.persons.at(row));
    storeRecord(record);
    if (column == RegisterColumns::Surname)
        showChanges(record);
}

// Who enters or leaves a record is a change the register keeps, dated today; the user adds
// the document it comes from.
void AnagrafeWindow::logChange(OwnerRecord &record, const QString &what,
                               const RegisterPerson &person) const
{
    RegisterChange change;
    change.date = platform().today();
    change.description = what + person.fullName() + QStringLiteral(" (")
        + PersonRoles::name(person.role) + QLatin1Char(')');
    record.changes.append(change);
}

void AnagrafeWindow::unitEdited(int row, int column)
{
    const QTableWidgetItem *name = m_form->unita->item(row, RegisterColumns::UnitName);
    if (m_showing || !name)
        return;
    const int j = name->data(Qt::UserRole).toInt();
    OwnerRecord record = state().anagrafe.record(currentOwner());
    CadastralUnit unit = record.units.value(j);
    const QString reason = RegisterColumns::set(unit, column, cellText(m_form->unita, row, column));
    if (!reason.isEmpty())
        return refuse(reason);
    if (unit.isEmpty())
        record.units.remove(j);
    else
        record.units.insert(j, unit);
    storeRecord(record);
}

void AnagrafeWindow::changeEdited(int row, int column)
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    if (m_showing || row >= record.changes.size())
        return;
    RegisterChange &change = record.changes[row];
    QString reason;
    if (column == RegisterColumns::Transfer)
        change.transfer = m_form->variazioni->item(row, column)->checkState() == Qt::Checked;
    else
        reason = RegisterColumns::set(change, column, cellText(m_form->variazioni, row, column));
    if (!reason.isEmpty())
        return refuse(reason);
    storeRecord(record);
}

void AnagrafeWindow::safetyEdited(int row, int column)
{
    QVector<SafetyItem> items = state().anagrafe.safety;
    if (m_showing || row >= items.size())
        return;
    const QString reason = RegisterColumns::set(items[row], column,
                                                cellText(m_form->sicurezza, row, column));
    if (!reason.isEmpty())
        return refuse(reason);
    storeSafety(items);
}

void AnagrafeWindow::lastCommunicationEdited()
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    if (m_showing || currentOwner() == 0)
        return;
    const QString reason = RegisterColumns::setDate(record.lastCommunication,
                                                    m_form->ultimacomunicazione->text());
    if (!reason.isEmpty())
        return refuse(reason);
    if (record != state().anagrafe.record(currentOwner()))
        storeRecord(record);
}

void AnagrafeWindow::addPerson()
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    record.persons.append(RegisterPerson());
    storeRecord(record);
    showRecord();
    m_form->persone->setCurrentCell(int(record.persons.size()) - 1, RegisterColumns::Surname);
}

void AnagrafeWindow::removePerson()
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    const int row = m_form->persone->currentRow();
    if (row < 0 || row >= record.persons.size())
        return;
    if (!record.persons.at(row).surname.isEmpty())
        logChange(record, QStringLiteral("esce dalla scheda "), record.persons.at(row));
    record.persons.removeAt(row);
    storeRecord(record);
    showRecord();
}

void AnagrafeWindow::addChange()
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    RegisterChange change;
    change.date = platform().today();
    record.changes.append(change);
    storeRecord(record);
    showRecord();
    m_form->variazioni->setCurrentCell(int(record.changes.size()) - 1, RegisterColumns::Document);
}

void AnagrafeWindow::removeChange()
{
    OwnerRecord record = state().anagrafe.record(currentOwner());
    const int row = m_form->variazioni->currentRow();
    if (row < 0 || row >= record.changes.size())
        return;
    record.changes.removeAt(row);
    storeRecord(record);
    showRecord();
}

void AnagrafeWindow::addSafetyItem()
{
    QVector<SafetyItem> items = state().anagrafe.safety;
    items.append(SafetyItem());
    storeSafety(items);
    showSafety();
    m_form->sicurezza->setCurrentCell(int(items.size()) - 1, RegisterColumns::Item);
}

void AnagrafeWindow::removeSafetyItem()
{
    QVector<SafetyItem> items = state().anagrafe.safety;
    const int row = m_form->sicurezza->currentRow();
    if (row < 0 || row >= items.size())
        return;
    items.removeAt(row);
    storeSafety(items);
    showSafety();
}

// The register is kept beside the condominium archive and follows its owners: it is opened
// and saved with it, by the condominium window.
void AnagrafeWindow::openArchive()
{
    datiWindow().openArchive();
    refresh();
    showDueSafetyChecks();
}

void AnagrafeWindow::saveArchive()
{
    datiWindow().saveArchive();
}

void AnagrafeWindow::saveArchiveAs()
{
    datiWindow().saveArchiveAs();
}

void AnagrafeWindow::printMain()
{
    printRegister();
}

void AnagrafeWindow::printRegister()
{
    if (state().ownerCount == 0)
        return platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle,
                                      QString::fromUtf8("Non c'è alcun condomino: l'anagrafe è vuota."));
    handOverDocument(RegisterPrintout::build(state(), platform().today()), PrintStatus::ShownDocument);
}

void AnagrafeWindow::printDataRequests()
{
    const ReportDocument document = DataRequestPrintout::build(state(), 0, platform().today());
    if (document.ownerLetters().isEmpty())
        return platform().showMessage(MessageIcon::Information, state().texts.appTitle,
                                      QString::fromUtf8("L'anagrafe è completa: nessun condomino "
                                                        "deve ricevere la richiesta dei dati."));
    handOverDocument(document, PrintStatus::ShownDocument);
}

void AnagrafeWindow::printPrivacyNotice()
{
    handOverDocument(PrivacyNoticePrintout::build(state()), PrintStatus::ShownDocument);
}

void AnagrafeWindow::checkData()
{
    const QVector<RegisterCheck::OwnerFindings> all = RegisterCheck::check(state(), platform().today());
    if (all.isEmpty())
        return platform().showMessage(MessageIcon::Information, state().texts.checkTitle,
                                      QString::fromUtf8("L'anagrafe contiene tutti i dati che la "
                                                        "legge chiede per ogni condomino."));
    QStringList lines;
    for (const RegisterCheck::OwnerFindings &findings : all)
        lines << QStringLiteral("n. %1 %2: %3 dati mancanti, %4 da verificare")
                     .arg(findings.owner)
                     .arg(findings.ownerName)
                     .arg(findings.missing.size())
                     .arg(findings.wrong.size());
    showOwner(all.first().owner);
    platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle,
                           QString::fromUtf8("Schede dell'anagrafe da completare:\n") + bulleted(lines));
}

// Emptied through the condominium window's history, so that "Annulla" there brings the
// register back.
void AnagrafeWindow::clearWindow()
{
    {
        const EditStep step(datiWindow());
        state().anagrafe.clear();
    }
    refresh();
}

void AnagrafeWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle, Instructions);
}

} // namespace veltra
