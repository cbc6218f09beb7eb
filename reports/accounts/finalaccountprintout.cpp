#include "reports/accounts/finalaccountprintout.h"

#include "core/accounts/explanatorynote.h"
#include "core/accounts/finalaccount.h"
#include "reports/accounts/accountsregisterprintout.h"
#include "reports/accounts/allocationstatetables.h"
#include "reports/accounts/arrearsprintout.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"

namespace veltra::FinalAccountPrintout {

using PrintedFigures::CR;
using PrintedFigures::day;
using PrintedFigures::money;

namespace {

const QStringList PartNames = {QStringLiteral("Registro di contabilità"), QStringLiteral("Riepilogo finanziario"),
                               QStringLiteral("Nota sintetica esplicativa della gestione"),
                               QStringLiteral("Stato di ripartizione consuntivo")};
constexpr int TextSize = 9;

void appendSection(ReportDocument &document, const QString &title)
{
    document.appendParagraph(CR + title + CR, 10, true);
}

void appendText(ReportDocument &document, const QString &text)
{
    document.appendParagraph(text + CR, TextSize);
}

void appendPart(ReportDocument &document, const FinalAccount &figures, int part)
{
    if (part > 1)
        document.appendPageBreak();
    document.appendParagraph(partHeading(part) + CR, 13, true);
    document.appendParagraph(QStringLiteral("%1 - esercizio %2").arg(figures.condoName).arg(figures.year) + CR,
                             TextSize);
}

void appendTitle(ReportDocument &document, const FinalAccount &figures)
{
    document.appendParagraph(QStringLiteral("RENDICONTO CONDOMINIALE DELL'ESERCIZIO %1").arg(figures.year) + CR, 14,
                             true);
    document.appendParagraph(figures.condoName + CR, 12, true);
    appendText(document, QStringLiteral("Esercizio dal %1 al %2 (art. 1130-bis c.c.). Il rendiconto si compone di "
                                        "quattro parti, ciascuna su pagine proprie: %3.")
                             .arg(day(figures.firstDay), day(figures.lastDay),
                                  PartNames.join(QStringLiteral("; ")).toLower())
                         + CR);
}

// Each account from its opening to its closing, set against the bank's statement where one
// was typed; a difference is shown with its explanation.
void appendAccounts(ReportDocument &document, const FinalAccount &figures)
{
    appendSection(document, QStringLiteral("Cassa e conti"));
    const int table = document.appendTable(int(figures.accounts.size()) + 2, 7, 8);
    document.setRow(table, 1, {QStringLiteral("Conto"), QStringLiteral("Saldo iniziale"), QStringLiteral("Entrate"),
                               QStringLiteral("Uscite"), QStringLiteral("Saldo finale"),
                               QStringLiteral("Saldo dell'estratto conto"), QStringLiteral("Differenza")});
    FinalAccount::Account total;
    QStringList explanations;
    int row = 2;
    for (const FinalAccount::Account &account : figures.accounts) {
        const bool statement = account.statementCents.has_value();
        document.setRow(table, row++, {account.name, money(account.openingCents), money(account.receiptsCents),
                                       money(account.paymentsCents), money(account.closingCents),
                                       statement ? money(*account.statementCents) : QString(),
                                       statement ? money(account.differenceCents()) : QString()});
        total.openingCents += account.openingCents;
        total.receiptsCents += account.receiptsCents;
        total.paymentsCents += account.paymentsCents;
        total.closingCents += account.closingCents;
        if (account.differenceCents() != 0 && !account.explanation.trimmed().isEmpty())
            explanations << QStringLiteral("%1, differenza di %2 euro rispetto all'estratto conto: %3")
                                .arg(account.name, money(account.differenceCents()), account.explanation.trimmed());
    }
    document.setRow(table, row, {QStringLiteral("Totale cassa e banca"), money(total.openingCents),
                                 money(total.receiptsCents), money(total.paymentsCents), money(total.closingCents)});
    document.alignColumnsRight(table, 2, 7);
    for (const QString &line : explanations)
        appendText(document, line + QLatin1Char('.'));
}

void appendOwners(ReportDocument &document, const FinalAccount &figures)
{
    appendSection(document, QStringLiteral("Crediti e debiti verso i condomini"));
    int debtors = 0;
    int creditors = 0;
    for (const FinalAccount::Owner &owner : figures.owners) {
        debtors += owner.closingCents > 0 ? 1 : 0;
        creditors += owner.closingCents < 0 ? 1 : 0;
    }
    const int table = document.appendTable(3, 3, 8);
    document.setRow(table, 1, {QString(), QStringLiteral("Condomini"), QStringLiteral("Importo")});
    document.setRow(table, 2, {QStringLiteral("Crediti verso condomini (quanto devono ancora versare)"),
                               QString::number(debtors), money(figures.equation.ownersDebtsCents)});
    document.setRow(table, 3, {QStringLiteral("Debiti verso condomini (quanto hanno versato in più)"),
                               QString::number(creditors), money(figures.equation.ownersCreditsCents)});
    document.alignColumnsRight(table, 2, 3);
    appendText(document, QStringLiteral("La posizione di ciascun condomino è nello stato di ripartizione (parte 4)."));
}

void appendSuppliers(ReportDocument &document, const FinalAccount &figures)
{
    appendSection(document, QStringLiteral("Debiti verso fornitori"));
    QList<const FinalAccount::Item *> owed;
    for (const FinalAccount::Item &item : figures.items) {
        if (item.owedCents() != 0)
            owed << &item;
    }
    if (owed.isEmpty())
        return appendText(document, QStringLiteral("Nessun debito verso fornitori: ogni voce è pagata per intero."));
    const int table = document.appendTable(int(owed.size()) + 2, 5, 8);
    document.setRow(table, 1, {QStringLiteral("Voce"), QStringLiteral("Descrizione"), QStringLiteral("Importo"),
                               QStringLiteral("Pagato"), QStringLiteral("Da pagare")});
    int row = 2;
    for (const FinalAccount::Item *item : owed)
        document.setRow(table, row++, {QString::number(item->number), item->description, money(item->amountCents),
                                       money(item->paidCents), money(item->owedCents())});
    document.setRow(table, row, {QString(), QStringLiteral("Totale"), QString(), QString(),
                                 money(figures.equation.supplierDebtsCents)});
    document.alignColumnsRight(table, 3, 5);
}

void appendFunds(ReportDocument &document, const FinalAccount &figures)
{
    appendSection(document, QStringLiteral("Fondi e riserve"));
    if (figures.funds.isEmpty())
        return appendText(document, QStringLiteral("Nessun fondo."));
    const int table = document.appendTable(int(figures.funds.size()) + 1, 5, 8);
    document.setRow(table, 1, {QStringLiteral("Fondo"), QStringLiteral("Saldo iniziale"), QStringLiteral("Versamenti"),
                               QStringLiteral("Utilizzi"), QStringLiteral("Saldo finale")});
    int row = 2;
    for (const FinalAccount::Fund &fund : figures.funds) {
        const QString name = fund.item > 0 ? QStringLiteral("%1 (alimentato dalla voce %2)").arg(fund.name).arg(fund.item)
                                           : fund.name;
        document.setRow(table, row++, {name, money(fund.openingCents), money(fund.contributionsCents),
                                       money(fund.usesCents), money(fund.closingCents())});
    }
    document.alignColumnsRight(table, 2, 5);
}

// The equation line by line, so that anyone can add it up again: what the condominium has
// and is owed, less what it owes, equals its funds and its result.
void appendEquation(ReportDocument &document, const FinalAccount &figures)
{
    const FinalAccount::Equation &equation = figures.equation;
    appendSection(document, QStringLiteral("Quadro di riscontro"));
    const QList<std::pair<QString, long long>> lines = {
        {QStringLiteral("Cassa e banca"), equation.cashAndBankCents},
        {QStringLiteral("+ crediti verso condomini"), equation.ownersDebtsCents},
        {QStringLiteral("- debiti verso condomini"), equation.ownersCreditsCents},
        {QStringLiteral("- debiti verso fornitori"), equation.supplierDebtsCents},
        {QStringLiteral("= situazione patrimoniale"), equation.assetsCents()},
        {QStringLiteral("Fondi"), equation.fundsCents},
        {QStringLiteral("+ risultato degli esercizi precedenti"), equation.openingResultCents},
        {QStringLiteral("+ risultato dell'esercizio"), equation.yearResultCents},
        {QStringLiteral("= fondi e risultato"), equation.fundsCents + equation.resultCents()},
        {QStringLiteral("Differenza (zero quando il rendiconto torna)"), equation.differenceCents()},
    };
    const int table = document.appendTable(int(lines.size()) + 1, 2, 8);
    document.setRow(table, 1, {QStringLiteral("Voce del riscontro"), QStringLiteral("Euro")});
    for (int i = 0; i < lines.size(); ++i)
        document.setRow(table, i + 2, {lines.at(i).first, money(lines.at(i).second)});
    document.alignColumnsRight(table, 2, 2);
}

void appendParagraphs(ReportDocument &document, const QStringList &paragraphs, const QString &none)
{
    if (paragraphs.isEmpty())
        return appendText(document, none);
    for (const QString &paragraph : paragraphs)
        appendText(document, paragraph);
}

void appendContracts(ReportDocument &document, const ExplanatoryNote &note)
{
    appendSection(document, QStringLiteral("Rapporti in corso"));
    if (note.contracts.isEmpty())
        return appendText(document, QStringLiteral("Nessun contratto indicato."));
    const int table = document.appendTable(int(note.contracts.size()) + 1, 4, 8);
    document.setRow(table, 1, {QStringLiteral("Oggetto"), QStringLiteral("Controparte"), QStringLiteral("Scadenza"),
                               QStringLiteral("Note")});
    int row = 2;
    for (const ExplanatoryNote::Contract &contract : note.contracts)
        document.setRow(table, row++, {contract.subject, contract.counterpart,
                                       contract.expiry.isValid() ? day(contract.expiry)
                                                                 : QStringLiteral("senza scadenza"),
                                       contract.note});
}

void appendQuestions(ReportDocument &document, const ExplanatoryNote &note)
{
    appendSection(document, QStringLiteral("Questioni pendenti"));
    if (note.questions.isEmpty())
        return appendText(document, QStringLiteral("Nessuna questione pendente indicata."));
    const int table = document.appendTable(int(note.questions.size()) + 1, 3, 8);
    document.setRow(table, 1, {QStringLiteral("Oggetto"), QStringLiteral("Parti"), QStringLiteral("Stato")});
    int row = 2;
    for (const ExplanatoryNote::PendingQuestion &question : note.questions)
        document.setRow(table, row++, {question.subject, question.parties, question.stage});
}

void appendOverBudget(ReportDocument &document, const FinalAccount &figures)
{
    appendSection(document, QStringLiteral("Spese oltre il preventivo ") + ComputedMark);
    if (figures.budget.isEmpty())
        return appendText(document, QStringLiteral("L'esercizio non ha un preventivo: il confronto non si può fare."));
    const QList<FinalAccount::BudgetLine> over = figures.overBudget();
    if (over.isEmpty())
        return appendText(document, QStringLiteral("Nessuna voce supera il preventivo di oltre un decimo."));
    appendText(document, QStringLiteral("Voci la cui spesa supera di oltre un decimo quanto previsto nel preventivo:"));
    const int table = document.appendTable(int(over.size()) + 1, 4, 8);
    document.setRow(table, 1, {QStringLiteral("Voce"), QStringLiteral("Preventivo"), QStringLiteral("Consuntivo"),
                               QStringLiteral("Differenza")});
    int row = 2;
    for (const FinalAccount::BudgetLine &line : over)
        document.setRow(table, row++, {line.description, money(*line.budgetCents), money(line.actualCents),
                                       money(line.differenceCents())});
    document.alignColumnsRight(table, 2, 4);
}

void appendArrears(ReportDocument &document, const FinalAccount &figures, const SharedState &state)
{
    appendSection(document, QStringLiteral("Condomini morosi ") + ComputedMark);
    if (figures.ownersInArrears().isEmpty())
        return appendText(document, QStringLiteral("Nessun condomino è moroso alla chiusura dell'esercizio."));
    ArrearsPrintout::appendTable(document, figures, state, false);
    appendText(document, QStringLiteral("Salvo che l'assemblea lo abbia espressamente dispensato, l'amministratore "
                                        "deve agire per la riscossione forzosa delle somme dovute entro sei mesi dalla "
                                        "chiusura dell'esercizio, cioè entro il %1 (art. 1129, comma 9, c.c.). Il decreto "
                                        "ingiuntivo si chiede in base allo stato di ripartizione approvato "
                                        "dall'assemblea (art. 63, comma 1, disp. att. c.c.).")
                             .arg(day(figures.actionDeadline())));
}

void appendNote(ReportDocument &document, const FinalAccount &figures, const ExplanatoryNote &note,
                const SharedState &state)
{
    appendSection(document, QStringLiteral("Criterio di contabilizzazione"));
    appendParagraphs(document, note.criterion, QStringLiteral("Nessun criterio indicato."));
    appendSection(document, QStringLiteral("Fatti principali della gestione"));
    appendParagraphs(document, note.facts, QStringLiteral("Nessun fatto indicato."));
    appendContracts(document, note);
    appendQuestions(document, note);
    appendOverBudget(document, figures);
    appendArrears(document, figures, state);
}

} // namespace

ReportDocument build(const FinalAccount &figures, const AccountsRegister &accounts, const ExplanatoryNote &note,
                     const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    appendTitle(document, figures);
    appendPart(document, figures, 1);
    AccountsRegisterPrintout::appendMovements(document, accounts, state);
    appendPart(document, figures, 2);
    appendAccounts(document, figures);
    appendOwners(document, figures);
    appendSuppliers(document, figures);
    appendFunds(document, figures);
    appendEquation(document, figures);
    appendPart(document, figures, 3);
    appendNote(document, figures, note, state);
    appendPart(document, figures, 4);
    AllocationStateTables::append(document, figures);
    document.showPageCount();
    return document;
}

QString refusal(const FinalAccount &figures, bool all)
{
    const QString problems = all ? figures.blocking.join(QLatin1Char('\n')) : figures.blocking.value(0);
    return QStringLiteral("i conti dell'esercizio %1 non si stampano finché un dato è sbagliato:%2%3")
        .arg(figures.year)
        .arg(all ? QStringLiteral("\n") : QStringLiteral(" "), problems);
}

QString partHeading(int part)
{
    return QStringLiteral("Parte %1 - %2").arg(part).arg(PartNames.value(part - 1));
}

} // namespace veltra::FinalAccountPrintout
