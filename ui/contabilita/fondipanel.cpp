#include "ui/contabilita/fondipanel.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/finalaccount.h"
#include "core/accounts/finalaccountinputs.h"
#include "core/assembly/calendardate.h"
#include "core/numbers/money.h"
#include "ui/contabilita/yearendeditor.h"
#include "ui/frame/formcontrols.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

using FormControls::fixedItem;
using FormControls::writeRow;

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
enum FundColumn { FundName, FundOpening, FundItem };
enum MovementColumn { MovementNumber, MovementDate, MovementAmount, MovementDescription, MovementFund };
enum StatementColumn { StatementAccount, StatementDay, StatementCents, StatementExplanation };

QString money(long long cents)
{
    return Money::fromCents(cents).format();
}

QString cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// An amount typed in a table: empty is none.
std::optional<long long> typedCents(const QString &text, bool *valid)
{
    *valid = true;
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<Money> amount = Money::parse(text);
    *valid = amount.has_value();
    return amount ? std::optional<long long>(amount->cents()) : std::nullopt;
}

// The fund numbers of the movements once fund number removed is gone: its movements go back
// to the first fund, those of the later funds move up by one.
QMap<int, int> withoutFund(const QMap<int, int> &fundOfMovement, int removed)
{
    QMap<int, int> kept;
    for (auto it = fundOfMovement.cbegin(); it != fundOfMovement.cend(); ++it) {
        if (it.value() != removed)
            kept.insert(it.key(), it.value() > removed ? it.value() - 1 : it.value());
    }
    return kept;
}

} // namespace

FondiPanel::FondiPanel(YearEndEditor &editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_funds(FormControls::table("fondi", {QStringLiteral("Fondo"), QStringLiteral("Saldo iniziale"),
                                            QStringLiteral("Voce che lo alimenta")}))
    , m_addFund(FormControls::button("aggiungifondo", QStringLiteral("Aggiungi fondo"),
                                     QStringLiteral("aggiunge un fondo o una riserva decisa dall'assemblea")))
    , m_removeFund(FormControls::button("toglifondo", QStringLiteral("Togli fondo"),
                                        QStringLiteral("toglie il fondo della riga scelta; il fondo speciale resta")))
    , m_movements(FormControls::table("movimentifondo", {QStringLiteral("N."), QStringLiteral("Data op."),
                                                         QStringLiteral("Importo"), QStringLiteral("Descrizione"),
                                                         QStringLiteral("Fondo")}))
    , m_statements(FormControls::table("estratti", {QStringLiteral("Conto"), QStringLiteral("Giorno"),
                                                    QStringLiteral("Saldo dell'estratto"),
                                                    QStringLiteral("Spiegazione della differenza")}))
{
    m_funds->setToolTip(QStringLiteral("saldo iniziale in euro; la voce delle spese dell'anno i cui importi vanno al fondo"));
    m_movements->setToolTip(QStringLiteral("i movimenti con causale \"fondo\": versamenti al fondo e suoi utilizzi"));
    m_statements->setToolTip(QStringLiteral("il saldo che la banca dà al giorno scritto (l'ultimo dell'esercizio, se "
                                            "vuoto) e perché differisce da quello del registro"));
    for (QTableWidget *table : {m_funds, m_movements, m_statements})
        table->setMinimumHeight(96);
    QVBoxLayout *sections = FormControls::scrollingSections(this);
    FormControls::addSection(sections, QStringLiteral("Fondi e riserve"), m_funds, {m_addFund, m_removeFund});
    FormControls::addSection(sections, QStringLiteral("Movimenti dei fondi"), m_movements);
    FormControls::addSection(sections, QStringLiteral("Saldi degli estratti conto alla chiusura"), m_statements);

    connect(m_funds, &QTableWidget::itemChanged, this, &FondiPanel::saveFunds);
    connect(m_statements, &QTableWidget::itemChanged, this, &FondiPanel::saveStatements);
    connect(m_addFund, &QPushButton::clicked, this, &FondiPanel::addFund);
    connect(m_removeFund, &QPushButton::clicked, this, &FondiPanel::removeFund);
}

QList<QWidget *> FondiPanel::editingControls() const
{
    return {m_funds, m_addFund, m_removeFund, m_movements, m_statements};
}

void FondiPanel::showInputs(const FinalAccount &figures)
{
    m_lastDay = figures.lastDay;
    showFunds();
    showFundMovements();
    showStatements();
}

// The combo box in a cell, made once: a cell shown again from its own signal keeps it.
QComboBox *FondiPanel::choiceAt(QTableWidget *table, int row, int column)
{
    if (auto *box = qobject_cast<QComboBox *>(table->cellWidget(row, column)))
        return box;
    auto *box = new QComboBox;
    table->setCellWidget(row, column, box);
    return box;
}

void FondiPanel::showFunds()
{
    m_showing = true;
    const QList<FundAccount> &funds = m_editor.inputs().funds;
    const YearSeries &series = m_editor.year().series();
    m_funds->setRowCount(m_editor.isLoaded() ? int(funds.size()) : 0);
    for (int row = 0; row < m_funds->rowCount(); ++row) {
        const FundAccount &fund = funds.at(row);
        writeRow(m_funds, row, {fund.name, money(fund.openingCents)});
        QComboBox *item = choiceAt(m_funds, row, FundItem);
        item->clear();
        item->addItem(QStringLiteral("-"), 0);
        for (const SeriesItem &expense : series.items)
            item->addItem(QStringLiteral("%1 %2").arg(expense.number).arg(expense.description), expense.number);
        if (item->findData(fund.item) < 0)
            item->addItem(QStringLiteral("%1 (non tra le spese dell'anno)").arg(fund.item), fund.item);
        item->setCurrentIndex(item->findData(fund.item));
        connect(item, &QComboBox::currentIndexChanged, this, &FondiPanel::saveFunds, Qt::UniqueConnection);
    }
    m_showing = false;
}

void FondiPanel::showFundMovements()
{
    m_showing = true;
    const FinalAccountInputs &inputs = m_editor.inputs();
    QList<const AccountMovement *> movements;
    for (const AccountMovement &movement : m_editor.year().accounts().movements()) {
        if (movement.cause == MovementCause::SpecialFund)
            movements << &movement;
    }
    m_movements->setRowCount(m_editor.isLoaded() ? int(movements.size()) : 0);
    for (int row = 0; row < m_movements->rowCount(); ++row) {
        const AccountMovement &movement = *movements.at(row);
        FormControls::fixedRow(m_movements, row, {QString::number(movement.number),
                                                  movement.operationDate.toString(DateFormat),
                                                  money(movement.signedCents()), movement.description});
        QComboBox *fund = choiceAt(m_movements, row, MovementFund);
        fund->clear();
        for (int f = 0; f < inputs.funds.size(); ++f)
            fund->addItem(inputs.funds.at(f).name, f + 1);
        fund->setCurrentIndex(inputs.fundOf(movement.number) - 1);
        const int number = movement.number;
        disconnect(fund, &QComboBox::currentIndexChanged, this, nullptr);
        connect(fund, &QComboBox::currentIndexChanged, this, [this, number, fund] {
            saveFundMovement(number, fund->currentData().toInt());
        });
    }
    m_showing = false;
}

QList<int> FondiPanel::bankAccounts() const
{
    QList<int> banks;
    const QList<LedgerAccount> &accounts = m_editor.year().accounts().accounts;
    for (int a = 0; a < accounts.size(); ++a) {
        if (!accounts.at(a).cash)
            banks << a;
    }
    return banks;
}

void FondiPanel::showStatements()
{
    m_showing = true;
    const QList<int> banks = m_editor.isLoaded() ? bankAccounts() : QList<int>();
    m_statements->setRowCount(int(banks.size()));
    for (int row = 0; row < banks.size(); ++row) {
        const QString name = m_editor.year().accounts().accounts.at(banks.at(row)).name;
        const StatementBalance *balance = m_editor.inputs().statementOf(name);
        writeRow(m_statements, row, {QString(), balance ? balance->day.toString(DateFormat) : QString(),
                                     balance ? money(balance->cents) : QString(),
                                     balance ? balance->explanation : QString()});
        m_statements->setItem(row, StatementAccount, fixedItem(name));
    }
    m_showing = false;
}

void FondiPanel::saveFunds()
{
    if (m_showing)
        return;
    FinalAccountInputs changed = m_editor.inputs();
    QStringList names;
    QString problem;
    for (int row = 0; row < m_funds->rowCount() && problem.isEmpty(); ++row) {
        FundAccount &fund = changed.funds[row];
        fund.name = cell(m_funds, row, FundName);
        bool valid = false;
        fund.openingCents = typedCents(cell(m_funds, row, FundOpening), &valid).value_or(0);
        fund.item = choiceAt(m_funds, row, FundItem)->currentData().toInt();
        if (fund.name.isEmpty() || names.contains(fund.name))
            problem = QStringLiteral("Il fondo della riga %1 vuole un nome, diverso da quello degli altri fondi.").arg(row + 1);
        else if (!valid)
            problem = QStringLiteral("Il saldo iniziale del fondo \"%1\" non è un importo in euro.").arg(fund.name);
        names << fund.name;
    }
    if (!problem.isEmpty())
        m_editor.refuse(problem);
    else
        m_editor.save(changed);
    showFunds();
    showFundMovements();
}

void FondiPanel::saveFundMovement(int movement, int fund)
{
    if (m_showing)
        return;
    FinalAccountInputs changed = m_editor.inputs();
    changed.fundOfMovement.insert(movement, fund);
    if (!m_editor.save(changed))
        showFundMovements();
}

void FondiPanel::saveStatements()
{
    if (m_showing)
        return;
    FinalAccountInputs changed = m_editor.inputs();
    changed.statementBalances.clear();
    QString problem;
    const QList<int> banks = bankAccounts();
    for (int row = 0; row < banks.size() && problem.isEmpty(); ++row) {
        const QString name = m_editor.year().accounts().accounts.at(banks.at(row)).name;
        const QString dayText = cell(m_statements, row, StatementDay);
        const QString explanation = cell(m_statements, row, StatementExplanation);
        bool valid = false;
        const std::optional<long long> cents = typedCents(cell(m_statements, row, StatementCents), &valid);
        const std::optional<QDate> day = dayText.isEmpty() ? std::optional<QDate>(m_lastDay) : CalendarDate::read(dayText);
        if (!valid)
            problem = QStringLiteral("Il saldo dell'estratto del conto \"%1\" non è un importo in euro.").arg(name);
        else if (!day)
            problem = QStringLiteral("Il giorno dell'estratto del conto \"%1\" si scrive gg/mm/aaaa.").arg(name);
        else if (!cents && m_editor.inputs().statementOf(name) == nullptr && (!dayText.isEmpty() || !explanation.isEmpty()))
            problem = QStringLiteral("Scrivere prima il saldo dell'estratto del conto \"%1\".").arg(name);
        else if (cents)
            changed.statementBalances << StatementBalance{name, *day, *cents, explanation};
    }
    if (!problem.isEmpty())
        m_editor.refuse(problem);
    else
        m_editor.save(changed);
    showStatements();
}

void FondiPanel::addFund()
{
    FinalAccountInputs changed = m_editor.inputs();
    changed.funds << FundAccount{QStringLiteral("Fondo n. %1").arg(changed.funds.size() + 1), 0, 0};
    if (m_editor.save(changed)) {
        showFunds();
        showFundMovements();
        m_funds->setCurrentCell(m_funds->rowCount() - 1, FundName);
        m_funds->editItem(m_funds->currentItem());
    }
}

void FondiPanel::removeFund()
{
    const int row = m_funds->currentRow();
    if (row < 0)
        return;
    if (row == 0)
        return m_editor.refuse(QStringLiteral("Il fondo speciale (art. 1135, n. 4, c.c.) è il primo e non si toglie."));
    FinalAccountInputs changed = m_editor.inputs();
    // A balance carried in, or the item that fills it, would quietly pass to the result.
    const FundAccount &fund = changed.funds.at(row);
    if (fund.openingCents != 0 || fund.item != 0)
        return m_editor.refuse(QStringLiteral("Il fondo \"%1\" ha un saldo iniziale o una voce che lo alimenta: "
                                              "prima li si azzeri.").arg(fund.name));
    changed.funds.removeAt(row);
    changed.fundOfMovement = withoutFund(changed.fundOfMovement, row + 1);
    if (m_editor.save(changed)) {
        showFunds();
        showFundMovements();
    }
}

} // namespace veltra
