#include "ui/contabilita/contabilitawindow.h"

#include "core/accounts/accountscheck.h"
#include "core/accounts/accountsfile.h"
#include "core/accounts/ownerledger.h"
#include "core/accounts/sharelink.h"
#include "core/accounts/yearend.h"
#include "core/meeting/meetingcsv.h"
#include "core/assembly/calendardate.h"
#include "core/numbers/money.h"
#include "core/registry/iban.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/accountsregisterprintout.h"
#include "reports/accounts/arrearsprintout.h"
#include "reports/accounts/finalaccountprintout.h"
#include "reports/accounts/ownerstatementprintout.h"
#include "reports/accounts/paymentcertificateprintout.h"
#include "reports/document/printstatus.h"
#include "reports/document/reportdocument.h"
#include "ui/contabilita/contabilitaform.h"
#include "ui/contabilita/editinglock.h"
#include "ui/contabilita/fondipanel.h"
#include "ui/contabilita/movementfields.h"
#include "ui/contabilita/notapanel.h"
#include "ui/contabilita/rendicontopanel.h"
#include "ui/contabilita/yearendeditor.h"

#include "ui/dati/datiwindow.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace veltra {

namespace {

constexpr int DatiNumber = 1;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");
enum AccountColumn { AccountName, AccountIban, AccountCash, AccountOpening, AccountClosing };
enum BalanceColumn { BalanceNumber, BalanceName, BalanceOpening, BalanceShares, BalancePaid, BalanceOwed };

QString money(long long cents)
{
    return Money::fromCents(cents).format();
}

using FormControls::fixedItem;
using FormControls::fixedRow;

QTableWidgetItem *cashItem(bool cash)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(cash ? Qt::Checked : Qt::Unchecked);
    return item;
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// An amount typed in a table: empty is zero.
std::optional<long long> typedCents(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const std::optional<Money> amount = Money::parse(text);
    return amount ? std::optional<long long>(amount->cents()) : std::nullopt;
}

} // namespace

ContabilitaWindow::ContabilitaWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, Number, parent)
    , m_form(std::make_unique<ContabilitaForm>(form()))
    , m_yearEnd(std::make_unique<YearEndEditor>(platform(), state(), m_year))
{
    addYearEndTabs();
    connect(m_form->nuovo, &QPushButton::clicked, this, [this] { showMovement(0); });
    connect(m_form->registra, &QPushButton::clicked, this, &ContabilitaWindow::recordMovement);
    connect(m_form->elimina, &QPushButton::clicked, this, &ContabilitaWindow::removeMovement);
    connect(m_form->estrattoconto, &QPushButton::clicked, this, &ContabilitaWindow::readBankStatement);
    connect(m_form->aggiungiconto, &QPushButton::clicked, this, [this] {
        const int row = m_form->conti->rowCount();
        m_form->conti->insertRow(row);
        m_form->conti->setItem(row, AccountName, new QTableWidgetItem(QStringLiteral("Nuovo conto")));
        m_form->conti->setItem(row, AccountCash, cashItem(false));
        m_form->conti->setItem(row, AccountClosing, fixedItem(QString()));
    });
    connect(m_form->movimenti, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem *> selected = m_form->movimenti->selectedItems();
        if (!m_showing && !selected.isEmpty())
            showMovement(m_form->movimenti->item(selected.first()->row(), 0)->text().toInt());
    });
    for (QComboBox *box : {m_form->causale, m_form->condomino})
        connect(box, &QComboBox::currentIndexChanged, this, &ContabilitaWindow::fillShare);
    connect(m_form->voce, &QSpinBox::valueChanged, this, &ContabilitaWindow::fillShare);
    const QList<std::pair<const char *, void (ContabilitaWindow::*)()>> entries = {
        {"Registro di contabilità", &ContabilitaWindow::printMain},
        {"Estratto conto del condomino", &ContabilitaWindow::printStatement},
        {"Rendiconto dell'esercizio", &ContabilitaWindow::printFinalAccount},
        {"Attestazione dei pagamenti", &ContabilitaWindow::printCertificate},
        {"Elenco dei morosi", &ContabilitaWindow::printArrears},
    };
    for (const auto &[caption, command] : entries)
        connect(addPrintEntry(QString::fromUtf8(caption)), &QAction::triggered, this, command);
}

ContabilitaWindow::~ContabilitaWindow() = default;

void ContabilitaWindow::addYearEndTabs()
{
    m_rendiconto = new RendicontoPanel(*m_yearEnd);
    m_nota = new NotaPanel(*m_yearEnd);
    m_fondi = new FondiPanel(*m_yearEnd);
    m_form->schede->addTab(m_rendiconto, QStringLiteral("Rendi&conto"));
    m_form->schede->addTab(m_nota, QStringLiteral("No&ta"));
    m_form->schede->addTab(m_fondi, QStringLiteral("Fon&di ed estratti"));
    connect(m_rendiconto, &RendicontoPanel::closeRequested, this, [this] {
        if (settleUnsavedChanges())
            m_yearEnd->closeYear();
    });
    connect(m_yearEnd.get(), &YearEndEditor::inputsSaved, this, [this] { showYearEnd(false); });
    connect(m_yearEnd.get(), &YearEndEditor::closingChanged, this, [this] {
        showRegister();
        setStepHint(m_year.accounts().closed ? QStringLiteral("esercizio chiuso: i saldi finali sono nel registro dell'anno dopo")
                                             : QStringLiteral("esercizio riaperto: lo si chiude di nuovo dopo le correzioni"));
    });
    showYearEnd(true);
    lockEditing();
}

void ContabilitaWindow::initialise()
{
    m_form->esercizio->setValue(platform().today().year());
    setStepHint(QStringLiteral("scegliere l'esercizio e \"Apri\": il registro sta accanto all'archivio del condominio"));
}

// Coming forward, the window reads the register again: the payments window or the
// condominium window may have changed the payments or the owners meanwhile.
bool ContabilitaWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !hasUnsavedChanges() && !archivePath().isEmpty()) {
        const bool sameYear = m_year.isOpen() && m_year.archivePath() == archivePath()
                              && m_year.accounts().year == m_form->esercizio->value();
        if (sameYear || QFileInfo::exists(AccountsFile::pathBeside(archivePath(), m_form->esercizio->value())))
            openYear(false);
    }
    return WorkWindow::event(event);
}

QString ContabilitaWindow::archivePath() const
{
    auto *dati = qobject_cast<DatiWindow *>(shell().workWindow(DatiNumber));
    return dati ? dati->archiveName() : QString();
}

bool ContabilitaWindow::openYear(bool create)
{
    const QString archive = archivePath();
    if (archive.isEmpty() || state().condoName.isEmpty()) {
        if (create)
            tellUser(MessageIcon::Information, QStringLiteral("Aprire prima l'archivio del condominio nella finestra Dati: "
                                                              "il registro di contabilità sta accanto a esso."));
        return false;
    }
    const int year = m_form->esercizio->value();
    if (!QFileInfo::exists(AccountsFile::pathBeside(archive, year))
        && (!create || !platform().askYesNo(MessageIcon::Question, state().texts.checkTitle,
                                             QStringLiteral("Il registro di contabilità dell'esercizio %1 non c'è ancora: "
                                                            "lo si crea accanto all'archivio del condominio?").arg(year),
                                             true)))
        return false;
    AccountsYear opened;
    const AccountsYear::Opening opening = opened.open(archive, state(), year);
    if (!opening.ok) {
        tellUser(MessageIcon::Critical, opening.problem);
        return false;
    }
    m_year = opened;
    m_yearEnd->load();
    if (!opening.notices.isEmpty())
        tellUser(MessageIcon::Information, opening.notices.join(QLatin1Char('\n')));
    showRegister();
    return true;
}

void ContabilitaWindow::showRegister()
{
    m_showing = true;
    const AccountsRegister &accounts = m_year.accounts();
    m_form->inizio->setText(accounts.firstDay.toString(DateFormat));
    m_form->stato->setText(QStringLiteral("%1: %2 movimenti%3").arg(QFileInfo(m_year.path()).fileName())
                               .arg(accounts.movements().size())
                               .arg(accounts.closed ? QStringLiteral(", esercizio chiuso") : QString()));
    MovementFields::fillChoices(*m_form, accounts, state());
    showMovements();
    showAccounts();
    showBalances();
    showYearEnd(true);
    lockEditing();
    m_showing = false;
    showMovement(m_shownNumber);
}

void ContabilitaWindow::showYearEnd(bool withInputs)
{
    const FinalAccount figures = m_yearEnd->isLoaded() ? m_yearEnd->figures() : FinalAccount();
    if (withInputs) {
        m_nota->showNote();
        m_fondi->showInputs(figures);
    }
    m_rendiconto->showFigures(figures);
    m_nota->showProgramPart(figures);
}

// The register's own code refuses changes to a closed year; greyed out, its controls say so
// before the user types.
void ContabilitaWindow::lockEditing()
{
    const ContabilitaForm &f = *m_form;
    const QString closed = m_yearEnd->isClosed() ? m_yearEnd->closedReason() : QString();
    EditingLock::apply({f.inizio, f.dataoperazione, f.dataregistrazione, f.conto, f.tipo, f.importo, f.causale, f.voce,
                        f.condomino, f.fornitore, f.codicefiscale, f.documento, f.descrizione, f.nota, f.nuovo,
                        f.registra, f.elimina, f.estrattoconto, f.conti, f.aggiungiconto, f.saldi},
                       closed);
    const QString unreadable = m_yearEnd->isLoaded() ? QString() : QStringLiteral("aprire il registro dell'esercizio");
    EditingLock::apply(m_nota->editingControls() + m_fondi->editingControls(), closed.isEmpty() ? unreadable : closed);
}

void ContabilitaWindow::showMovements()
{
    const AccountsRegister &accounts = m_year.accounts();
    QList<long long> balances;
    for (const LedgerAccount &account : accounts.accounts)
        balances << account.openingCents;
    const QList<int> order = accounts.chronological();
    m_form->movimenti->setRowCount(int(order.size()));
    for (int row = 0; row < order.size(); ++row) {
        const AccountMovement &movement = accounts.movements().at(order.at(row));
        long long &balance = balances[movement.account - 1];
        balance += movement.signedCents();
        fixedRow(m_form->movimenti, row,
                 {QString::number(movement.number), movement.operationDate.toString(DateFormat),
                  movement.registrationDate.toString(DateFormat), accounts.accounts.at(movement.account - 1).name,
                  movement.receipt ? money(movement.cents) : QString(), movement.receipt ? QString() : money(movement.cents),
                  money(balance), AccountsRegisterPrintout::counterpart(movement, state()),
                  MovementCauses::label(movement.cause), movement.description});
    }
}

void ContabilitaWindow::showAccounts()
{
    const AccountsRegister &accounts = m_year.accounts();
    m_form->conti->setRowCount(int(accounts.accounts.size()));
    for (int a = 0; a < accounts.accounts.size(); ++a) {
        const LedgerAccount &account = accounts.accounts.at(a);
        m_form->conti->setItem(a, AccountName, new QTableWidgetItem(account.name));
        m_form->conti->setItem(a, AccountIban, new QTableWidgetItem(account.iban));
        m_form->conti->setItem(a, AccountCash, cashItem(account.cash));
        m_form->conti->setItem(a, AccountOpening, new QTableWidgetItem(money(account.openingCents)));
        m_form->conti->setItem(a, AccountClosing, fixedItem(money(accounts.closingBalance(a + 1))));
    }
}

void ContabilitaWindow::showBalances()
{
    QList<int> owners;
    for (int i = 1; i <= MaxOwners; ++i) {
        if (!state().owner(i).ownerName.isEmpty())
            owners << i;
    }
    m_form->saldi->setRowCount(int(owners.size()));
    for (int row = 0; row < owners.size(); ++row) {
        const OwnerLedger ledger = OwnerLedger::of(m_year.accounts(), m_year.series(), owners.at(row));
        fixedRow(m_form->saldi, row, {QString::number(ledger.owner), state().owner(ledger.owner).ownerName, QString(),
                                      money(ledger.sharesCents()), money(ledger.paidCents()),
                                      money(ledger.balanceCents())});
        m_form->saldi->setItem(row, BalanceOpening, new QTableWidgetItem(money(ledger.openingCents)));
    }
}

void ContabilitaWindow::showMovement(int number)
{
    const AccountMovement *movement = number > 0 ? m_year.accounts().movement(number) : nullptr;
    m_showing = true;
    m_shownNumber = movement ? number : 0;
    if (movement) {
        MovementFields::show(*m_form, *movement);
    } else {
        MovementFields::showNew(*m_form, platform().today(), m_year.accounts().firstBankAccount());
        m_form->movimenti->clearSelection();
    }
    m_showing = false;
    m_form->elimina->setEnabled(m_shownNumber > 0 && !m_year.accounts().closed);
    m_form->registra->setText(m_shownNumber > 0 ? QStringLiteral("&Registra modifica") : QStringLiteral("&Registra"));
}

// An owner's share of an item is known: choosing them fills in the amount and the words.
void ContabilitaWindow::fillShare()
{
    if (m_showing || MovementCause(m_form->causale->currentIndex()) != MovementCause::Share)
        return;
    const int owner = m_form->condomino->currentData().toInt();
    const int item = m_form->voce->value();
    const long long share = m_year.series().share(item, owner);
    if (share <= 0)
        return;
    m_form->tipo->setCurrentIndex(0);
    m_form->importo->setText(money(share));
    m_form->descrizione->setText(ShareLink::description(item, m_year.series().item(item)->description));
}

void ContabilitaWindow::recordMovement()
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    QString problem;
    const std::optional<AccountMovement> movement = MovementFields::read(*m_form, m_shownNumber, &problem);
    if (!movement)
        return tellUser(MessageIcon::Exclamation, problem);
    int number = m_shownNumber;
    const bool written = m_shownNumber > 0 ? m_year.replaceMovement(*movement, &problem)
                                           : m_year.addMovement(*movement, &problem, &number);
    if (!written)
        return tellUser(MessageIcon::Critical, QStringLiteral("Il movimento non è stato registrato: %1.").arg(problem));
    m_shownNumber = number;
    showRegister();
    setStepHint(QStringLiteral("movimento n. %1 registrato").arg(number));
}

void ContabilitaWindow::removeMovement()
{
    if (m_shownNumber == 0)
        return;
    if (!platform().askYesNo(MessageIcon::Question, state().texts.checkTitle,
                             QStringLiteral("Togliere dal registro il movimento n. %1?").arg(m_shownNumber), false))
        return;
    QString problem;
    if (!m_year.removeMovement(m_shownNumber, &problem))
        return tellUser(MessageIcon::Critical, QStringLiteral("Il movimento non è stato tolto: %1.").arg(problem));
    setStepHint(QStringLiteral("movimento n. %1 tolto dal registro").arg(m_shownNumber));
    m_shownNumber = 0;
    showRegister();
}

AccountsRegister ContabilitaWindow::editedRegister(QString *problem) const
{
    AccountsRegister edited = m_year.accounts();
    const std::optional<QDate> first = CalendarDate::read(m_form->inizio->text());
    if (!first)
        *problem = QStringLiteral("Scrivere il primo giorno dell'esercizio come giorno/mese/anno.");
    edited.firstDay = first.value_or(edited.firstDay);
    edited.accounts.clear();
    for (int row = 0; row < m_form->conti->rowCount(); ++row) {
        LedgerAccount account = m_year.accounts().accounts.value(row);
        account.name = cellText(m_form->conti, row, AccountName);
        account.iban = Iban::compact(cellText(m_form->conti, row, AccountIban));
        account.cash = m_form->conti->item(row, AccountCash)->checkState() == Qt::Checked;
        const std::optional<long long> opening = typedCents(cellText(m_form->conti, row, AccountOpening));
        if ((!opening || account.name.isEmpty()) && problem->isEmpty())
            *problem = QStringLiteral("Il conto della riga %1 vuole un nome e un saldo iniziale in euro.").arg(row + 1);
        account.openingCents = opening.value_or(0);
        edited.accounts << account;
    }
    edited.ownerOpenings.clear();
    for (int row = 0; row < m_form->saldi->rowCount(); ++row) {
        const std::optional<long long> opening = typedCents(cellText(m_form->saldi, row, BalanceOpening));
        if (!opening && problem->isEmpty())
            *problem = QStringLiteral("Il saldo iniziale di %1 non è un importo in euro.").arg(cellText(m_form->saldi, row, BalanceName));
        if (opening.value_or(0) != 0)
            edited.ownerOpenings.insert(cellText(m_form->saldi, row, BalanceNumber).toInt(), *opening);
    }
    return edited;
}

bool ContabilitaWindow::hasUnsavedChanges() const
{
    if (!m_year.isOpen())
        return false;
    QString problem;
    const AccountsRegister edited = editedRegister(&problem);
    return !problem.isEmpty() || AccountsFile::bytes(edited) != AccountsFile::bytes(m_year.accounts());
}

void ContabilitaWindow::openArchive()
{
    if (settleUnsavedChanges() && openYear(true))
        setStepHint(QStringLiteral("registro aperto: i movimenti si scrivono nel registro con \"Registra\""));
}

void ContabilitaWindow::saveArchive()
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    QString problem;
    const AccountsRegister edited = editedRegister(&problem);
    if (!problem.isEmpty())
        return tellUser(MessageIcon::Exclamation, problem);
    if (!m_year.saveAccounts(edited, &problem))
        return tellUser(MessageIcon::Critical, QStringLiteral("Il registro non è stato salvato: %1.").arg(problem));
    showRegister();
    setStepHint(QStringLiteral("conti e saldi iniziali salvati"));
}

void ContabilitaWindow::printMain()
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    setStepHint(PrintStatus::Loading);
    handOverDocument(AccountsRegisterPrintout::build(m_year.accounts(), state()), PrintStatus::ShownData);
}

// The owner of the row chosen among the balances, or else of the movement's fields; 0 after
// telling the user when the register is not open or no owner is chosen.
int ContabilitaWindow::chosenOwner()
{
    const QList<QTableWidgetItem *> selected = m_form->saldi->selectedItems();
    const int owner = m_form->schede->currentWidget() == m_form->saldi->parentWidget() && !selected.isEmpty()
        ? cellText(m_form->saldi, selected.first()->row(), BalanceNumber).toInt()
        : m_form->condomino->currentData().toInt();
    if (!m_year.isOpen() || owner == 0) {
        tellUser(MessageIcon::Information, QStringLiteral("Aprire il registro e scegliere il condomino "
                                                          "(nei campi del movimento o tra i saldi)."));
        return 0;
    }
    return owner;
}

void ContabilitaWindow::printStatement()
{
    const int owner = chosenOwner();
    if (owner == 0)
        return;
    setStepHint(PrintStatus::Loading);
    handOverDocument(OwnerStatementPrintout::build(m_year.accounts(), m_year.series(), state(), owner),
                     PrintStatus::ShownData);
}

// Hands over what build makes of the open year's figures, computed afresh with the inputs
// beside the register; refused, with every wrong figure named, while one is there.
void ContabilitaWindow::printFromFigures(const std::function<ReportDocument(const FinalAccount &, const YearEnd &)> &build)
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    YearEnd end;
    QString problem;
    if (!end.load(m_year, &problem))
        return tellUser(MessageIcon::Critical, problem);
    const FinalAccount figures = end.figures(m_year, state());
    if (!figures.canPrint()) {
        QString refusal = FinalAccountPrintout::refusal(figures, true);
        refusal[0] = refusal.at(0).toUpper();
        return tellUser(MessageIcon::Exclamation, refusal);
    }
    setStepHint(PrintStatus::Loading);
    handOverDocument(build(figures, end), PrintStatus::ShownData);
}

void ContabilitaWindow::printFinalAccount()
{
    printFromFigures([this](const FinalAccount &figures, const YearEnd &end) {
        return FinalAccountPrintout::build(figures, m_year.accounts(), end.inputs().note, state());
    });
}

void ContabilitaWindow::printCertificate()
{
    const int owner = chosenOwner();
    if (owner == 0)
        return;
    printFromFigures([this, owner](const FinalAccount &figures, const YearEnd &end) {
        return PaymentCertificatePrintout::build(figures, YearEnd::previousFigures(m_year, state()), end.inputs().note,
                                                 state(), state().administrator, owner, platform().today());
    });
}

void ContabilitaWindow::printArrears()
{
    printFromFigures([this](const FinalAccount &figures, const YearEnd &) {
        return ArrearsPrintout::build(figures, state(), state().administrator, platform().today());
    });
}

void ContabilitaWindow::checkData()
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    QStringList lines;
    bool errors = false;
    for (const AccountsCheck::Finding &finding : AccountsCheck::check(m_year.accounts(), m_year.series(), state())) {
        lines << (finding.warning ? QStringLiteral("- avviso, ") : QStringLiteral("- ")) + finding.text;
        errors = errors || !finding.warning;
    }
    tellUser(lines.isEmpty() ? MessageIcon::Information : (errors ? MessageIcon::Exclamation : MessageIcon::Information),
             lines.isEmpty() ? QStringLiteral("Il registro non presenta irregolarità.") : lines.join(QLatin1Char('\n')));
}

void ContabilitaWindow::clearWindow()
{
    m_year = AccountsYear();
    m_yearEnd->clear();
    m_shownNumber = 0;
    m_form->movimenti->setRowCount(0);
    m_form->conti->setRowCount(0);
    m_form->saldi->setRowCount(0);
    m_form->stato->clear();
    m_form->inizio->clear();
    showYearEnd(true);
    lockEditing();
    showMovement(0);
}

void ContabilitaWindow::showInstructions()
{
    tellUser(MessageIcon::Information,
             QString::fromUtf8("Il registro di contabilità dell'esercizio:\n"
                               "- si apre il condominio nella finestra Dati, si sceglie l'anno e \"Apri\";\n"
                               "- ogni movimento si scrive con \"Registra\" ed entra subito nel registro;\n"
                               "- i versamenti delle quote segnati nella finestra Pagamenti compaiono da soli;\n"
                               "- \"Estratto conto banca...\" legge il CSV della banca e propone gli abbinamenti;\n"
                               "- conti e saldi iniziali si cambiano nelle loro schede e si salvano con \"Salva\";\n"
                               "- Rendiconto, Nota e Fondi ed estratti preparano il rendiconto: nota, fondi e saldi "
                               "delle banche si salvano a ogni modifica; \"Chiudi esercizio\" porta i saldi nell'anno dopo."));
}

// The statement is read on the account chosen in the movement's fields, or the first bank
// account, with the columns last used for it; the proposals are shown for the user to
// confirm, change or drop before anything is written.
void ContabilitaWindow::readBankStatement()
{
    if (!m_year.isOpen())
        return tellUser(MessageIcon::Information, QStringLiteral("Aprire prima il registro dell'esercizio."));
    FileDialogRequest request;
    request.title = QStringLiteral("Estratto conto della banca (CSV)");
    request.filter = QStringLiteral("Tutti i file (*.*) | *.*|File CSV | *.csv");
    request.selectedFilter = 2;
    const QString path = platform().openFileName(request);
    if (path.isEmpty())
        return;
    QString problem;
    const QByteArray bytes = MeetingCsv::readFile(path, &problem);
    if (!problem.isEmpty())
        return tellUser(MessageIcon::Critical, QStringLiteral("Impossibile leggere \"%1\": %2.").arg(path, problem));
    m_statementAccount = statementAccount();
    const LedgerAccount &account = m_year.accounts().accounts.at(m_statementAccount - 1);
    m_statement = BankStatementCsv::read(bytes, QFileInfo(path).fileName(), ColumnMapping::fromText(account.statementColumns));
    if (!m_statement.ok)
        return tellUser(MessageIcon::Critical, m_statement.problem + QStringLiteral("\nColonne lette: ")
                                                   + m_statement.mapping.describe());
    const QList<StatementImport::Row> rows = StatementImport::propose(m_year, state(), m_statementAccount, m_statement.lines);
    QString heading = QStringLiteral("Conto \"%1\". Colonne lette: %2.").arg(account.name, m_statement.mapping.describe());
    const QString difference = StatementImport::balanceDifference(m_year, m_statementAccount, m_statement);
    if (!difference.isEmpty())
        heading += QStringLiteral(" Prima di registrare, ") + difference + QLatin1Char('.');
    delete m_statementDialog;
    m_statementDialog = new StatementDialog(rows, state(), heading, this);
    connect(m_statementDialog, &QDialog::accepted, this, &ContabilitaWindow::recordStatement);
    m_statementDialog->open();
}

int ContabilitaWindow::statementAccount() const
{
    const int chosen = m_form->conto->currentData().toInt();
    if (chosen >= 1 && chosen <= m_year.accounts().accounts.size() && !m_year.accounts().accounts.at(chosen - 1).cash)
        return chosen;
    return m_year.accounts().firstBankAccount();
}

void ContabilitaWindow::recordStatement()
{
    QString problem;
    const std::optional<QList<StatementImport::Row>> rows = m_statementDialog->chosenRows(&problem);
    if (rows && problem.isEmpty())
        problem = StatementImport::refusal(*rows, m_year.series());
    if (!rows || !problem.isEmpty())
        return tellUser(MessageIcon::Exclamation, QStringLiteral("Nulla è stato registrato. ") + problem);
    const QList<AccountMovement> movements =
        StatementImport::movements(*rows, m_year.series(), m_statementAccount, platform().today());
    AccountsRegister remembered = m_year.accounts();
    remembered.accounts[m_statementAccount - 1].statementColumns = m_statement.mapping.toText();
    if (!m_year.addMovements(movements, &problem) || !m_year.saveAccounts(remembered, &problem))
        return tellUser(MessageIcon::Critical, QStringLiteral("Nulla è stato registrato: %1.").arg(problem));
    if (const auto closing = StatementImport::closingBalance(m_year.accounts(), m_statementAccount, m_statement))
        m_yearEnd->keepStatement(*closing);
    showRegister();
    const QString difference = StatementImport::balanceDifference(m_year, m_statementAccount, m_statement);
    setStepHint(QStringLiteral("%1 movimenti registrati dall'estratto conto").arg(movements.size()));
    if (!difference.isEmpty())
        tellUser(MessageIcon::Exclamation, QStringLiteral("Registrati %1 movimenti; ma %2.").arg(movements.size()).arg(difference));
}

void ContabilitaWindow::tellUser(MessageIcon icon, const QString &text)
{
    platform().showMessage(icon, state().texts.checkTitle, text);
}

} // namespace veltra
