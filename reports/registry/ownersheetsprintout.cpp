#include "reports/registry/ownersheetsprintout.h"

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

const QStringList OwnerDataRows = {
    QStringLiteral("nome condomino"), QStringLiteral("indirizzo"),
    QStringLiteral("numero del piano"), QStringLiteral("millesimi di proprietà"),
    QStringLiteral("millesimi d'uso"), QStringLiteral("millesimi per le scale")
};

const QList<QStringList> SheetLegend = {
    { QStringLiteral("simbolo"), QStringLiteral("significato") },
    { QStringLiteral("n."), QStringLiteral("numero d'ordine del locale") },
    { QStringLiteral("ambiente"), QStringLiteral("destinazione d'uso dell'ambiente dell'unità immobiliare") },
    { QStringLiteral("sup."), QStringLiteral("superficie netta") },
    { QStringLiteral("dest."), QStringLiteral("coefficiente di destinazione") },
    { QStringLiteral("piano"), QStringLiteral("coefficiente di piano") },
    { QStringLiteral("ori."), QStringLiteral("coefficiente di orientamento") },
    { QStringLiteral("pro."), QStringLiteral("coefficiente di prospetto") },
    { QStringLiteral("lum."), QStringLiteral("coefficiente di luminosità") },
    { QStringLiteral("funz."), QStringLiteral("coefficiente di funzionalità globale") },
    { QStringLiteral("vol."), QStringLiteral("coefficiente di volume") },
    { QStringLiteral("virt."), QStringLiteral("superficie virtuale") },
    { QStringLiteral("parz."), QStringLiteral("millesimi parziali") },
    // The heating values are not printed, although the legend names them.
    { QStringLiteral("risc."), QStringLiteral("cubatura del locale o superficie radiante dei corpi scaldanti") },
};

const QStringList UnitHeading = {
    QStringLiteral("n."), QStringLiteral("ambiente"), QStringLiteral("sup."),
    QStringLiteral("dest."), QStringLiteral("piano"), QStringLiteral("ori."),
    QStringLiteral("pro."), QStringLiteral("lum."), QStringLiteral("funz."),
    QStringLiteral("vol."), QStringLiteral("virt."), QStringLiteral("parz.")
};

const QStringList UnitMeasures = {
    QString(), QString(), QStringLiteral("mq."), QStringLiteral("coeff."),
    QStringLiteral("coeff."), QStringLiteral("coeff."), QStringLiteral("coeff."),
    QStringLiteral("coeff."), QStringLiteral("coeff."), QStringLiteral("coeff."),
    QStringLiteral("mq."), QStringLiteral("0/00")
};

constexpr int UnitColumns = 12;
constexpr int FirstAmountColumn = 3;

void setRow(ReportDocument &document, int table, int row, const QStringList &texts)
{
    for (int column = 1; column <= texts.size(); ++column)
        document.setCell(table, row, column, texts[column - 1]);
}

void appendOwnerData(ReportDocument &document, const Owner &owner)
{
    using namespace NumberFormat;
    const QStringList values = { owner.ownerName, owner.ownerAddress, owner.ownerFloor,
                                 formatCell(owner.ownerMillesimi, MillesimiPattern),
                                 formatNumber(owner.useMillesimi, MillesimiPattern),
                                 formatNumber(owner.stairsMillesimi, MillesimiPattern) };
    const int table = document.appendTable(OwnerDataRows.size() + 1, 2, 10);
    setRow(document, table, 1, { QStringLiteral("tipologia"), QStringLiteral("dati") });
    for (int row = 0; row < OwnerDataRows.size(); ++row)
        setRow(document, table, row + 2, { OwnerDataRows[row], values[row] });
}

void appendLegend(ReportDocument &document)
{
    document.appendParagraph(QString(CR) + CR + QStringLiteral("Legenda:") + CR);
    const int table = document.appendTable(SheetLegend.size(), 2, 10);
    for (int row = 1; row <= SheetLegend.size(); ++row)
        setRow(document, table, row, SheetLegend[row - 1]);
}

QStringList unitRow(int j, const Owner &owner)
{
    const Unit &unit = owner.units[j];
    using namespace NumberFormat;
    QStringList row = { NumberText::str(j), unit.unitName,
                        formatNumberText(unit.netSurface, SurfacePattern) };
    for (const QString *coefficient : { &unit.coeffDestination, &unit.coeffFloor,
                                        &unit.coeffOrientation, &unit.coeffProspect,
                                        &unit.coeffLight, &unit.coeffFunction, &unit.coeffVolume })
        row.append(formatNumberText(*coefficient, CoefficientPattern));
    row.append(formatNumber(owner.unitFigures[j].virtualSurface, SurfacePattern));
    row.append(formatNumber(owner.unitFigures[j].unitMillesimi, MillesimiPattern));
    return row;
}

// The unit table; returns its table number.
int appendUnits(ReportDocument &document, const Owner &owner)
{
    using namespace NumberFormat;
    const int units = std::clamp(owner.unitCount, 0, MaxUnits);
    const int table = document.appendTable(units + 3, UnitColumns, 8);
    setRow(document, table, 1, UnitHeading);
    setRow(document, table, 2, UnitMeasures);
    // Both sums start from nothing for every owner, so no owner carries the one before.
    double netSurfaces = 0;
    double virtualSurfaces = 0;
    for (int j = 1; j <= units; ++j) {
        setRow(document, table, j + 2, unitRow(j, owner));
        netSurfaces += NumberText::read(owner.units[j].netSurface).value_or(0.0);
        virtualSurfaces += owner.unitFigures[j].virtualSurface;
    }
    const int totals = units + 3;
    document.setCell(table, totals, 1, QStringLiteral("Totali"));
    document.setCell(table, totals, 3, formatNumber(netSurfaces, SurfacePattern));
    document.setCell(table, totals, 11, formatNumber(virtualSurfaces, SurfacePattern));
    document.setCell(table, totals, 12, formatCell(owner.ownerMillesimi, MillesimiPattern));
    return table;
}

void appendSheet(ReportDocument &document, const SharedState &state, int i, bool newPage)
{
    const Owner &owner = state.owner(i);
    document.appendParagraph((newPage ? QString(FF) : QString()) + QStringLiteral("Condominio: ")
                                 + state.condoName + CR + CR,
                             20);
    document.appendParagraph(QStringLiteral("Tabella analitica del condomino n.")
                                 + NumberText::str(i) + CR + CR,
                             12);
    appendOwnerData(document, owner);
    appendLegend(document);
    document.appendParagraph(QString());
    const int units = appendUnits(document, owner);
    document.appendParagraph(QString());
    document.alignColumnsRight(units, FirstAmountColumn, UnitColumns);
}

} // namespace

QString OwnerSheetsPrintout::openingStatus()
{
    return PrintStatus::LoadingOwnerData;
}

QString OwnerSheetsPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

ReportDocument OwnerSheetsPrintout::build(const SharedState &state, int printOwner)
{
    ReportDocument document(PrintoutFont);
    appendSheets(document, state, printOwner);
    return document;
}

void OwnerSheetsPrintout::appendSheets(ReportDocument &document, const SharedState &state,
                                       int printOwner)
{
    if (printOwner > 0 && printOwner <= MaxOwners) {
        appendSheet(document, state, printOwner, false);
        return;
    }
    for (int i = 1; i <= std::min(state.ownerCount, MaxOwners); ++i)
        appendSheet(document, state, i, i > 1);
}

} // namespace veltra
