#include "reports/registry/millesimaltableprintout.h"

#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/document/printstatus.h"

#include <QStringList>

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);
const QChar FF(12);

const QStringList Heading = {
    QStringLiteral("numero"), QStringLiteral("nome condomino"), QStringLiteral("indirizzo"),
    QStringLiteral("piano"), QStringLiteral("millesimi di proprietà"),
    QStringLiteral("millesimi d'uso"), QStringLiteral("millesimi per scale")
};

// The total is the fixed thousand the table stands for, not a sum: rounded millesimi may
// add up to 999,999.
const QString FixedTotal = QStringLiteral("1000,000");

constexpr int FirstRightColumn = 4;
constexpr int LastRightColumn = 7;

void setRow(ReportDocument &document, int table, int row, const QStringList &texts)
{
    for (int column = 1; column <= texts.size(); ++column)
        document.setCell(table, row, column, texts[column - 1]);
}

QStringList ownerRow(int i, const Owner &owner)
{
    using namespace NumberFormat;
    return { NumberText::str(i), owner.ownerName, owner.ownerAddress, owner.ownerFloor,
             formatCell(owner.ownerMillesimi, MillesimiPattern),
             formatNumber(owner.useMillesimi, MillesimiPattern),
             formatNumber(owner.stairsMillesimi, MillesimiPattern) };
}

} // namespace

QString MillesimalTablePrintout::openingStatus()
{
    return PrintStatus::LoadingMillesimalTable;
}

QString MillesimalTablePrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument MillesimalTablePrintout::build(const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Condominio: ") + state.condoName + CR + CR, 20, true);
    finish(document, appendTableSection(document, state, false));
    return document;
}

int MillesimalTablePrintout::appendTableSection(ReportDocument &document,
                                                const SharedState &state, bool newPage)
{
    document.appendParagraph((newPage ? QString(FF) : QString())
                                 + QStringLiteral("Tabella dei millesimi di proprietà per la ripartizione delle spese generali e delle spese per scale ed ascensori ai sensi dell'art.1124 C.C. (millesimi di proprietà + millesimi d'uso : 2 = millesimi per scale).")
                                 + CR,
                             10);
    document.appendParagraph(QStringLiteral("La tabella può essere usata nel seguente modo: le spese generali, o per le scale, vanno moltiplicate per ciascun valore dei rispettivi millesimi e divise per 1000.")
                                 + CR + CR,
                             10);
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    const int table = document.appendTable(owners + 2, Heading.size(), 8);
    setRow(document, table, 1, Heading);
    for (int i = 1; i <= owners; ++i)
        setRow(document, table, i + 1, ownerRow(i, state.owner(i)));
    const int totals = owners + 2;
    document.setCell(table, totals, 1, QStringLiteral("Totale"));
    for (int column = 5; column <= 7; ++column)
        document.setCell(table, totals, column, FixedTotal);
    return table;
}

void MillesimalTablePrintout::finish(ReportDocument &document, int table)
{
    document.justifyAll();
    document.alignColumnsRight(table, FirstRightColumn, LastRightColumn);
}

} // namespace veltra
