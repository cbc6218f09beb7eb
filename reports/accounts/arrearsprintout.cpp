#include "reports/accounts/arrearsprintout.h"

#include "core/accounts/finalaccount.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/administratorletterhead.h"

namespace veltra::ArrearsPrintout {

using PrintedFigures::CR;
using PrintedFigures::day;
using PrintedFigures::money;

namespace {


// What he owes goes back to the years before when even what he owed at the start is unpaid.
QString since(const FinalAccount::Owner &owner, const FinalAccount &figures)
{
    if (owner.arrearsFromBefore)
        return QStringLiteral("esercizi precedenti al %1").arg(day(figures.firstDay));
    return owner.arrearsSince.isValid() ? day(owner.arrearsSince) : QString();
}

QString address(const SharedState &state, int number)
{
    return number >= 1 && number <= state.ownerCount ? state.owner(number).ownerAddress : QString();
}

} // namespace

void appendTable(ReportDocument &document, const FinalAccount &figures, const SharedState &state, bool withAddress)
{
    const QList<FinalAccount::Owner> late = figures.ownersInArrears();
    const int columns = withAddress ? 5 : 4;
    const int table = document.appendTable(int(late.size()) + 2, columns, 8);
    QStringList heads = {QStringLiteral("N."), QStringLiteral("Condomino"), QStringLiteral("Dovuto"),
                         QStringLiteral("Moroso dal")};
    if (withAddress)
        heads.insert(2, QStringLiteral("Indirizzo"));
    document.setRow(table, 1, heads);
    long long total = 0;
    int row = 2;
    for (const FinalAccount::Owner &owner : late) {
        QStringList cells = {QString::number(owner.number), owner.name, money(owner.closingCents), since(owner, figures)};
        if (withAddress)
            cells.insert(2, address(state, owner.number));
        document.setRow(table, row++, cells);
        total += owner.closingCents;
    }
    document.setCell(table, row, 2, QStringLiteral("Totale"));
    document.setCell(table, row, columns - 1, money(total));
    document.alignColumnsRight(table, columns - 1, columns - 1);
}

ReportDocument build(const FinalAccount &figures, const SharedState &state, const AdministratorDetails &administrator,
                     const QDate &today)
{
    ReportDocument document(PrintoutFont);
    AdministratorLetterhead::append(document, administrator);
    document.appendParagraph(QStringLiteral("ELENCO DEI CONDOMINI MOROSI") + CR, 14, true);
    document.appendParagraph(figures.condoName + CR, 12, true);
    document.appendParagraph(QStringLiteral("Esercizio dal %1 al %2: quote non versate secondo il registro di "
                                            "contabilità al %3.")
                                     .arg(day(figures.firstDay), day(figures.lastDay),
                                          day(today))
                                 + CR,
                             10);
    document.appendParagraph(QStringLiteral("Dati comunicati ai creditori del condominio non ancora soddisfatti che ne "
                                            "hanno fatto richiesta (art. 63, comma 1, disp. att. c.c.).")
                                 + CR + CR,
                             10);
    if (figures.ownersInArrears().isEmpty())
        document.appendParagraph(QStringLiteral("Nessun condomino risulta moroso.") + CR, 10);
    else
        appendTable(document, figures, state, true);
    AdministratorLetterhead::appendDatedSignature(document, today, administrator, 10);
    return document;
}

} // namespace veltra::ArrearsPrintout
