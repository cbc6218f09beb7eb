#include "rendicontocommand.h"

#include "finalaccountloader.h"

#include "core/accounts/accountscheck.h"
#include "core/accounts/movementscsv.h"
#include "core/archive/semicolonrows.h"

namespace veltra {

namespace {

class SummaryRows
{
public:
    explicit SummaryRows(QTextStream &out) : m_out(out) {}

    void add(const QString &section, const QString &key, const QString &item, long long cents)
    {
        m_out << SemicolonRows::row({section, key, item, MovementsCsv::amountText(cents)});
    }

    void write(const FinalAccount &figures)
    {
        m_out << "sezione;chiave;voce;importo\n";
        for (const FinalAccount::Account &account : figures.accounts) {
            add(QStringLiteral("conti"), account.name, QStringLiteral("apertura"), account.openingCents);
            add(QStringLiteral("conti"), account.name, QStringLiteral("entrate"), account.receiptsCents);
            add(QStringLiteral("conti"), account.name, QStringLiteral("uscite"), account.paymentsCents);
            add(QStringLiteral("conti"), account.name, QStringLiteral("chiusura"), account.closingCents);
        }
        for (const FinalAccount::Owner &owner : figures.owners) {
            const QString key = QString::number(owner.number);
            add(QStringLiteral("condomini"), key, QStringLiteral("saldo_iniziale"), owner.openingCents);
            add(QStringLiteral("condomini"), key, QStringLiteral("quote"), owner.sharesCents);
            add(QStringLiteral("condomini"), key, QStringLiteral("versamenti"), owner.paidCents);
            add(QStringLiteral("condomini"), key, QStringLiteral("saldo_finale"), owner.closingCents);
        }
        for (const FinalAccount::Item &item : figures.items) {
            const QString key = QString::number(item.number);
            add(QStringLiteral("voci"), key, QStringLiteral("importo"), item.amountCents);
            add(QStringLiteral("voci"), key, QStringLiteral("pagato"), item.paidCents);
            add(QStringLiteral("voci"), key, QStringLiteral("da_pagare"), item.owedCents());
        }
        for (const FinalAccount::Fund &fund : figures.funds) {
            add(QStringLiteral("fondi"), fund.name, QStringLiteral("apertura"), fund.openingCents);
            add(QStringLiteral("fondi"), fund.name, QStringLiteral("versamenti"), fund.contributionsCents);
            add(QStringLiteral("fondi"), fund.name, QStringLiteral("utilizzi"), fund.usesCents);
            add(QStringLiteral("fondi"), fund.name, QStringLiteral("chiusura"), fund.closingCents());
        }
        writeEquation(figures.equation);
    }

private:
    void writeEquation(const FinalAccount::Equation &equation)
    {
        const QString section = QStringLiteral("equazione");
        const QString key = QStringLiteral("totale");
        add(section, key, QStringLiteral("cassa_banca"), equation.cashAndBankCents);
        add(section, key, QStringLiteral("crediti_verso_condomini"), equation.ownersDebtsCents);
        add(section, key, QStringLiteral("debiti_verso_condomini"), equation.ownersCreditsCents);
        add(section, key, QStringLiteral("debiti_verso_fornitori"), equation.supplierDebtsCents);
        add(section, key, QStringLiteral("fondi"), equation.fundsCents);
        add(section, key, QStringLiteral("risultato_esercizi_precedenti"), equation.openingResultCents);
        add(section, key, QStringLiteral("risultato_esercizio"), equation.yearResultCents);
        add(section, key, QStringLiteral("differenza"), equation.differenceCents());
    }

    QTextStream &m_out;
};

} // namespace

QString RendicontoCommand::argumentsSynopsis() const
{
    return FinalAccountLoader::synopsis();
}

int RendicontoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    FinalAccountLoader loader;
    if (const int loaded = loader.load(name(), arguments, err))
        return loaded;
    const FinalAccount figures = loader.figures();
    SummaryRows(out).write(figures);
    for (const QString &problem : figures.blocking)
        err << "veltra-tool: " << problem << "\n";
    const AccountsYear &year = loader.year();
    for (const AccountsCheck::Finding &finding : AccountsCheck::check(year.accounts(), year.series(), loader.state()))
        err << "veltra-tool: avviso: " << finding.text << "\n";
    return figures.canPrint() ? ExitSuccess : ExitDataRejected;
}

} // namespace veltra
