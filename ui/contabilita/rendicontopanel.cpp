#include "ui/contabilita/rendicontopanel.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/finalaccount.h"
#include "core/numbers/money.h"
#include "ui/contabilita/reopendialog.h"
#include "ui/contabilita/yearendeditor.h"
#include "ui/frame/formcontrols.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

using FormControls::fixedRow;

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QString money(long long cents)
{
    return Money::fromCents(cents).format();
}

QTableWidget *figuresTable(const char *name, const QStringList &headings)
{
    QTableWidget *table = FormControls::table(name, headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

// Since when an owner who owes at the close has owed it.
QString arrears(const FinalAccount::Owner &owner)
{
    if (owner.closingCents <= 0 || !owner.arrearsSince.isValid())
        return QString();
    return owner.arrearsFromBefore ? QStringLiteral("esercizi precedenti") : owner.arrearsSince.toString(DateFormat);
}

} // namespace

RendicontoPanel::RendicontoPanel(YearEndEditor &editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_state(new QLabel)
    , m_close(FormControls::button("chiudiesercizio", QStringLiteral("C&hiudi esercizio"),
                                   QStringLiteral("porta i saldi finali nel registro dell'esercizio successivo e "
                                                  "blocca le modifiche")))
    , m_reopen(FormControls::button("riapriesercizio", QStringLiteral("Ria&pri esercizio"),
                                    QStringLiteral("riapre l'esercizio chiuso per correggerlo, annotando il motivo")))
    , m_blocking(new QListWidget)
    , m_accounts(figuresTable("rendicontoconti", {QStringLiteral("Conto"), QStringLiteral("Apertura"),
                                                  QStringLiteral("Entrate"), QStringLiteral("Uscite"),
                                                  QStringLiteral("Chiusura"), QStringLiteral("Estratto"),
                                                  QStringLiteral("Differenza")}))
    , m_owners(figuresTable("rendicontocondomini", {QStringLiteral("N."), QStringLiteral("Condomino"),
                                                    QStringLiteral("Saldo iniziale"), QStringLiteral("Quote"),
                                                    QStringLiteral("Versato"), QStringLiteral("Saldo finale"),
                                                    QStringLiteral("Moroso dal")}))
    , m_items(figuresTable("rendicontovoci", {QStringLiteral("N."), QStringLiteral("Voce"), QStringLiteral("Importo"),
                                              QStringLiteral("Quote ripartite"), QStringLiteral("Arrotondamento"),
                                              QStringLiteral("Pagato"), QStringLiteral("Da pagare")}))
    , m_funds(figuresTable("rendicontofondi", {QStringLiteral("Fondo"), QStringLiteral("Saldo iniziale"),
                                               QStringLiteral("Versamenti"), QStringLiteral("Utilizzi"),
                                               QStringLiteral("Saldo finale")}))
    , m_equation(figuresTable("equazione", {QStringLiteral("Riepilogo"), QStringLiteral("Euro")}))
{
    m_state->setObjectName(QStringLiteral("statoesercizio"));
    m_blocking->setObjectName(QStringLiteral("blocchi"));
    m_blocking->setToolTip(QStringLiteral("ciò che cambia una cifra del rendiconto e ne impedisce la stampa"));
    m_blocking->setFixedHeight(52);
    auto *top = new QHBoxLayout;
    top->addWidget(m_state, 1);
    top->addWidget(m_close);
    top->addWidget(m_reopen);
    auto *prospects = new QTabWidget;
    prospects->setObjectName(QStringLiteral("prospetti"));
    prospects->addTab(m_accounts, QStringLiteral("Conti"));
    prospects->addTab(m_owners, QStringLiteral("Condomini"));
    prospects->addTab(m_items, QStringLiteral("Voci di spesa"));
    prospects->addTab(m_funds, QStringLiteral("Fondi"));
    prospects->addTab(m_equation, QStringLiteral("Riepilogo"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(m_blocking);
    layout->addWidget(prospects, 1);
    connect(m_close, &QPushButton::clicked, this, &RendicontoPanel::closeRequested);
    connect(m_reopen, &QPushButton::clicked, this, &RendicontoPanel::askReopening);
}

void RendicontoPanel::showFigures(const FinalAccount &figures)
{
    showState(figures);
    showAccounts(figures);
    showOwners(figures);
    showItems(figures);
    showFunds(figures);
    showEquation(figures);
}

void RendicontoPanel::showState(const FinalAccount &figures)
{
    const bool loaded = m_editor.isLoaded();
    m_state->setText(loaded ? m_editor.stateText() : QString());
    m_close->setEnabled(loaded && !m_editor.isClosed());
    m_reopen->setEnabled(loaded && m_editor.isClosed());
    m_blocking->clear();
    if (!loaded)
        return;
    if (figures.canPrint())
        m_blocking->addItem(QStringLiteral("Il rendiconto è pronto per la stampa"));
    for (const QString &problem : figures.blocking)
        m_blocking->addItem(QStringLiteral("- ") + problem);
}

void RendicontoPanel::showAccounts(const FinalAccount &figures)
{
    m_accounts->setRowCount(int(figures.accounts.size()));
    for (int row = 0; row < figures.accounts.size(); ++row) {
        const FinalAccount::Account &account = figures.accounts.at(row);
        fixedRow(m_accounts, row, {account.name, money(account.openingCents), money(account.receiptsCents),
                                   money(account.paymentsCents), money(account.closingCents),
                                   account.statementCents ? money(*account.statementCents) : QString(),
                                   account.statementCents ? money(account.differenceCents()) : QString()});
    }
}

void RendicontoPanel::showOwners(const FinalAccount &figures)
{
    m_owners->setRowCount(int(figures.owners.size()));
    for (int row = 0; row < figures.owners.size(); ++row) {
        const FinalAccount::Owner &owner = figures.owners.at(row);
        fixedRow(m_owners, row, {QString::number(owner.number), owner.name, money(owner.openingCents),
                                 money(owner.sharesCents), money(owner.paidCents), money(owner.closingCents),
                                 arrears(owner)});
    }
}

void RendicontoPanel::showItems(const FinalAccount &figures)
{
    m_items->setRowCount(int(figures.items.size()));
    for (int row = 0; row < figures.items.size(); ++row) {
        const FinalAccount::Item &item = figures.items.at(row);
        fixedRow(m_items, row, {QString::number(item.number), item.description, money(item.amountCents),
                                money(item.sharesCents), money(item.roundingCents()), money(item.paidCents),
                                item.fund > 0 ? QStringLiteral("al fondo") : money(item.owedCents())});
    }
}

void RendicontoPanel::showFunds(const FinalAccount &figures)
{
    m_funds->setRowCount(int(figures.funds.size()));
    for (int row = 0; row < figures.funds.size(); ++row) {
        const FinalAccount::Fund &fund = figures.funds.at(row);
        fixedRow(m_funds, row, {fund.name, money(fund.openingCents), money(fund.contributionsCents),
                                money(fund.usesCents), money(fund.closingCents())});
    }
}

// The equation as it reads in the printout: what the condominium has and is owed, less what
// it owes, against its funds and its result; the difference is zero when the register holds.
void RendicontoPanel::showEquation(const FinalAccount &figures)
{
    const FinalAccount::Equation &e = figures.equation;
    const QList<std::pair<QString, long long>> lines = {
        {QStringLiteral("Cassa e banche"), e.cashAndBankCents},
        {QStringLiteral("+ crediti verso i condomini"), e.ownersDebtsCents},
        {QStringLiteral("- debiti verso i condomini"), e.ownersCreditsCents},
        {QStringLiteral("- debiti verso i fornitori"), e.supplierDebtsCents},
        {QStringLiteral("= attività nette"), e.assetsCents()},
        {QStringLiteral("Fondi"), e.fundsCents},
        {QStringLiteral("+ risultato degli esercizi precedenti"), e.openingResultCents},
        {QStringLiteral("+ risultato dell'esercizio"), e.yearResultCents},
        {QStringLiteral("Differenza"), e.differenceCents()},
    };
    m_equation->setRowCount(m_editor.isLoaded() ? int(lines.size()) : 0);
    for (int row = 0; row < m_equation->rowCount(); ++row)
        fixedRow(m_equation, row, {lines.at(row).first, money(lines.at(row).second)});
}

// Reopening is asked twice, as it changes a year already carried forward: the confirmation,
// then the reason that is recorded with the day.
void RendicontoPanel::askReopening()
{
    const int year = m_editor.year().accounts().year;
    if (!m_editor.confirmReopening())
        return;
    delete m_reopenDialog;
    m_reopenDialog = new ReopenDialog(year, this);
    connect(m_reopenDialog, &QDialog::accepted, this, [this] { m_editor.reopenYear(m_reopenDialog->reason()); });
    m_reopenDialog->open();
}

} // namespace veltra
