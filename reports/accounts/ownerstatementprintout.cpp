#include "reports/accounts/ownerstatementprintout.h"

#include "core/accounts/accountsregister.h"
#include "core/accounts/ownerledger.h"
#include "core/accounts/yearseries.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"

namespace veltra::OwnerStatementPrintout {

using PrintedFigures::CR;
using PrintedFigures::day;
using PrintedFigures::money;

namespace {


} // namespace

ReportDocument build(const AccountsRegister &accounts, const YearSeries &series, const SharedState &state,
                     int owner)
{
    const OwnerLedger ledger = OwnerLedger::of(accounts, series, owner);
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("ESTRATTO CONTO DEL CONDOMINO") + CR, 14, true);
    document.appendParagraph(accounts.condoName + CR, 12, true);
    document.appendParagraph(QStringLiteral("Condomino n. %1: %2").arg(owner).arg(state.owner(owner).ownerName) + CR
                                 + QStringLiteral("Esercizio dal %1 al %2").arg(day(accounts.firstDay),
                                                                               day(accounts.lastDay()))
                                 + CR + CR, 10);
    const int rows = 1 + 1 + int(ledger.shares.size()) + int(ledger.movements.size()) + 1;
    const int table = document.appendTable(rows, 4, 8);
    document.setRow(table, 1, {QStringLiteral("Data"), QStringLiteral("Descrizione"), QStringLiteral("Dovuto"),
                                QStringLiteral("Versato")});
    document.setRow(table, 2, {day(accounts.firstDay),
                                ledger.openingCents >= 0 ? QStringLiteral("Saldo iniziale a debito")
                                                         : QStringLiteral("Saldo iniziale a credito"),
                                ledger.openingCents >= 0 ? money(ledger.openingCents) : QString(),
                                ledger.openingCents < 0 ? money(-ledger.openingCents) : QString()});
    int row = 3;
    for (const OwnerLedger::Share &share : ledger.shares)
        document.setRow(table, row++, {series.item(share.item) ? series.item(share.item)->date : QString(),
                                        QStringLiteral("Quota voce %1 - %2").arg(share.item).arg(share.description),
                                        money(share.cents), QString()});
    for (const AccountMovement &movement : ledger.movements)
        document.setRow(table, row++, {day(movement.operationDate),
                                        movement.receipt ? movement.description
                                                         : QStringLiteral("Rimborso: ") + movement.description,
                                        movement.receipt ? QString() : money(movement.cents),
                                        movement.receipt ? money(movement.cents) : QString()});
    const long long balance = ledger.balanceCents();
    document.setRow(table, row, {day(accounts.lastDay()),
                                  balance >= 0 ? QStringLiteral("Saldo da versare") : QStringLiteral("Saldo a credito"),
                                  balance >= 0 ? money(balance) : QString(), balance < 0 ? money(-balance) : QString()});
    document.alignColumnsRight(table, 3, 4);
    return document;
}

} // namespace veltra::OwnerStatementPrintout
