#include "reports/expenses/metersharestable.h"

#include "core/expenses/meterallocation.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);

const QList<QStringList> Legend = {
    {QStringLiteral("simbolo"), QStringLiteral("significato")},
    {QStringLiteral("sì/no"), QStringLiteral("partecipazione alla spesa")},
    {QStringLiteral("lettura"),
     QStringLiteral("consumo del periodo letto sui contatori di calore o sui ripartitori")},
    {QStringLiteral("stima"), QStringLiteral("sì: contatore non letto, consumo stimato")},
    {QStringLiteral("base"), QStringLiteral("base della quota fissa")},
    {QStringLiteral("consumi"), QStringLiteral("quota ripartita in base alle letture (euro)")},
    {QStringLiteral("q. fissa"),
     QStringLiteral("quota fissa, ripartita in base alla colonna base (euro)")},
    {QStringLiteral("spesa"), QStringLiteral("spesa ripartita (euro)")}};

QString basisValue(const SharedState &state, const Owner &owner)
{
    switch (MeterBasis(state.meterParameters.basis)) {
    case MeterBasis::Heating:
        return owner.heatingQuantity.toText();
    case MeterBasis::Demand:
        return owner.demandMillesimi;
    case MeterBasis::Property:
        break;
    }
    return owner.ownerMillesimi.toText();
}

} // namespace

QString MeterSharesTable::basisName(int basis)
{
    switch (MeterBasis(basis)) {
    case MeterBasis::Heating:
        return QStringLiteral("cubatura o superficie radiante");
    case MeterBasis::Demand:
        return QStringLiteral("millesimi di fabbisogno");
    case MeterBasis::Property:
        break;
    }
    return QString::fromUtf8("millesimi di proprietà");
}

QString MeterSharesTable::parametersText(const SharedState &state)
{
    const double percent =
        std::clamp(consumptionPercentOf(state).value_or(0.0), 0.0, 100.0);
    return QStringLiteral("%1% in base alle letture dei contatori di calore, %2% in base ai %3")
        .arg(NumberText::plain(percent), NumberText::plain(100 - percent),
             basisName(state.meterParameters.basis));
}

QStringList MeterSharesTable::heading()
{
    return {QString::fromUtf8("sì/no"), QStringLiteral("n."), QStringLiteral("nome"),
            QStringLiteral("indirizzo"), QStringLiteral("lettura"), QStringLiteral("stima"),
            QStringLiteral("base"), QStringLiteral("consumi"), QStringLiteral("q. fissa"),
            QStringLiteral("spesa")};
}

QList<QStringList> MeterSharesTable::rows(const SharedState &state, const MeterSplit &split)
{
    QList<QStringList> rows;
    for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
        const Owner &owner = state.owner(i);
        const bool part = owner.takesPart == 1;
        rows.append({part ? QString::fromUtf8("sì") : QStringLiteral("no"), NumberText::str(i),
                     owner.ownerName, owner.ownerAddress, owner.meterReading,
                     owner.readingEstimated == 1 ? QString::fromUtf8("sì") : QString(),
                     basisValue(state, owner), split.consumption.value(i).format(),
                     split.fixed.value(i).format(), split.shareOf(i).format()});
    }
    return rows;
}

int MeterSharesTable::append(ReportDocument &document, const SharedState &state, int k)
{
    document.appendParagraph(QString(CR) + QStringLiteral("Legenda"), 10);
    document.appendParagraph(QString());
    const int legend = document.appendTable(Legend.size(), 2, 10);
    for (int row = 1; row <= Legend.size(); ++row) {
        document.setCell(legend, row, 1, Legend[row - 1][0]);
        document.setCell(legend, row, 2, Legend[row - 1][1]);
    }
    const QStringList head = heading();
    const QList<QStringList> owners = rows(state, splitByMeters(state, k));
    document.appendParagraph(QString());
    const int table = document.appendTable(owners.size() + 1, head.size(), 8);
    for (int column = 1; column <= head.size(); ++column)
        document.setCell(table, 1, column, head[column - 1]);
    for (int row = 0; row < owners.size(); ++row) {
        for (int column = 1; column <= head.size(); ++column)
            document.setCell(table, row + 2, column, owners[row][column - 1]);
    }
    document.alignColumnsRight(table, FirstRightColumn, LastRightColumn);
    return table;
}

QString MeterSharesTable::ownerLines(const SharedState &state, const MeterSplit &split, int i)
{
    const Owner &owner = state.owner(i);
    const QString estimate = owner.readingEstimated == 1
        ? QString::fromUtf8(" (stimata: il contatore non è stato letto)")
        : QString();
    return QStringLiteral("Lettura del periodo: %1%2; quota dei consumi: euro %3; quota fissa: "
                          "euro %4; totale: euro %5.")
        .arg(owner.meterReading.isEmpty() ? QStringLiteral("nessuna") : owner.meterReading,
             estimate, split.consumption.value(i).format(), split.fixed.value(i).format(),
             split.shareOf(i).format());
}

} // namespace veltra
