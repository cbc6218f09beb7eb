#include "reports/tenancy/tenantsplitprintout.h"

#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "library/tenancy/tenantsplittable.h"
#include "reports/document/printstatus.h"

#include <QStringList>

namespace veltra {

namespace {

const QChar CR(13);

const QStringList Heading = {QStringLiteral("n."), QStringLiteral("tipologia"),
                             QStringLiteral("spesa"), QStringLiteral("% al locatore"),
                             QStringLiteral("% al conduttore")};

constexpr int LandlordColumn = 4;
constexpr int TenantColumn = 5;

void fillRow(ReportDocument &document, int table, int n)
{
    const TenantSplitRow &row = TenantSplitTable::row(n);
    const QStringList cells = {NumberText::str(n), row.tipologia, row.spesa,
                               QString::number(row.landlordPercent()),
                               QString::number(row.tenantPercent)};
    for (int column = 1; column <= cells.size(); ++column)
        document.setCell(table, n + 1, column, cells.at(column - 1));
}

} // namespace

QString TenantSplitPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString TenantSplitPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument TenantSplitPrintout::build(const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Condominio: ") + state.condoName + CR, 20);
    document.appendParagraph(QStringLiteral("numero condomini: ") + NumberText::str(state.ownerCount)
                                 + CR + CR + CR,
                             12);
    document.appendParagraph(
        QStringLiteral("GESTIONE SPESE: ripartizione delle spese tra locatore e conduttore") + CR,
        12);
    const int table = document.appendTable(TenantSplitTable::RowCount + 1, Heading.size(), 8);
    for (int column = 1; column <= Heading.size(); ++column)
        document.setCell(table, 1, column, Heading.at(column - 1));
    for (int n = 1; n <= TenantSplitTable::RowCount; ++n)
        fillRow(document, table, n);
    document.alignColumnsRight(table, LandlordColumn, TenantColumn);
    return document;
}

} // namespace veltra
