#include "reports/expenses/expensestatementprintout.h"

#include "core/expenses/expenseallocation.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/expenses/expenseitemheading.h"
#include "reports/expenses/metersharestable.h"
#include "reports/document/printstatus.h"

#include <QStringList>

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);

const QList<QStringList> Legend = {
    { QStringLiteral("simbolo"), QStringLiteral("significato") },
    { QStringLiteral("sì/no"), QStringLiteral("partecipazione alla spesa") },
    { QStringLiteral("n."), QStringLiteral("numero d'ordine del condomino") },
    { QStringLiteral("nome"), QStringLiteral("nome del condomino") },
    { QStringLiteral("indirizzo"), QStringLiteral("indirizzo del condomino") },
    { QStringLiteral("perc.%"), QStringLiteral("percentuale di ripartizione per convenzione") },
    { QStringLiteral("millesimi"), QStringLiteral("millesimi di proprietà") },
    { QStringLiteral("piano"), QStringLiteral("millesimi di piano o d'uso") },
    { QStringLiteral("risc."),
      QStringLiteral("cubatura o superficie radiante per le spese di riscaldamento") },
    { QStringLiteral("1/3"),
      QStringLiteral("partecipazione alla ripartizione di un terzo per lastrici solari") },
    { QStringLiteral("2/3 %"),
      QStringLiteral("percentuale di partecipazione alla ripartizione di due terzi per lastrici solari") },
    { QStringLiteral("spesa"), QStringLiteral("spesa ripartita") }
};

const QStringList OwnerHeading = {
    QStringLiteral("sì/no"), QStringLiteral("n."), QStringLiteral("nome"),
    QStringLiteral("indirizzo"), QStringLiteral("perc.%"), QStringLiteral("millesimi"),
    QStringLiteral("piano"), QStringLiteral("risc."), QStringLiteral("1/3"),
    QStringLiteral("2/3 %"), QStringLiteral("spesa")
};

enum Column {
    Participation = 1, Number, Name, Address, FixedPercent, Millesimi, Floor, Heating,
    OneThird, TwoThirds, Share
};

constexpr int FirstRightColumn = FixedPercent;
constexpr int LastRightColumn = Share;

QString yesNo(int flag)
{
    return flag == 0 ? QStringLiteral("no") : QStringLiteral("sì");
}

void appendHead(ReportDocument &document, const SharedState &state, int k, ManagementType type)
{
    const QString typeWord = type == ManagementType::Preventivi ? QStringLiteral("PREVENTIVI")
                                                                : QStringLiteral("SPESE");
    ExpenseItemHeading::appendCondominiumLine(document, state);
    document.appendParagraph(
        ExpenseItemHeading::managementLine(typeWord, state.item(k).expenseDate, k) + CR, 12);
    ExpenseItemHeading::appendOwnerCountLine(document, state);
    document.appendParagraph(QString());
    ExpenseItemHeading::appendItemTable(document, state, k, QStringLiteral("data"));
}

void appendLegend(ReportDocument &document)
{
    document.appendParagraph(QString(CR) + QStringLiteral("Legenda"), 10);
    document.appendParagraph(QString());
    const int table = document.appendTable(Legend.size(), 2, 10);
    for (int row = 1; row <= Legend.size(); ++row) {
        document.setCell(table, row, 1, Legend[row - 1][0]);
        document.setCell(table, row, 2, Legend[row - 1][1]);
    }
}

// The cell of owner i in column `column`, whether or not the criterion fills it.
QString ownerCell(const Owner &owner, int i, int column)
{
    switch (column) {
    case Participation: return yesNo(owner.takesPart);
    case Number: return NumberText::str(i);
    case Name: return owner.ownerName;
    case Address: return owner.ownerAddress;
    case FixedPercent: return owner.fixedPercent;
    case Millesimi: return owner.ownerMillesimi.toText();
    case Floor: return owner.floorMillesimi;
    case Heating: return owner.heatingQuantity.toText();
    case OneThird: return yesNo(owner.oneThirdFlag);
    case TwoThirds: return owner.twoThirdsPercent;
    default: return owner.shareAmount;
    }
}

void appendOwners(ReportDocument &document, const SharedState &state)
{
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    document.appendParagraph(QString());
    const int table = document.appendTable(owners + 1, OwnerHeading.size(), 8);
    for (int column = 1; column <= OwnerHeading.size(); ++column)
        document.setCell(table, 1, column, OwnerHeading[column - 1]);
    QList<int> filled;
    for (int column = 1; column <= OwnerHeading.size(); ++column) {
        if (ExpenseStatementPrintout::isColumnFilled(column, state.calcType))
            filled.append(column);
    }
    for (int i = 1; i <= owners; ++i) {
        for (int column : filled)
            document.setCell(table, i + 1, column, ownerCell(state.owner(i), i, column));
    }
    document.alignColumnsRight(table, FirstRightColumn, LastRightColumn);
}

} // namespace

QString ExpenseStatementPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString ExpenseStatementPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

bool ExpenseStatementPrintout::isColumnFilled(int column, int calcType)
{
    switch (column) {
    case FixedPercent:
        return calcType == PerConvenzione;
    case Millesimi:
    case Floor:
        return calcType == StairsArt1124;
    case Heating:
        return calcType == HeatingByVolume || calcType == HeatingByRadiantSurface;
    case OneThird:
    case TwoThirds:
        return calcType == RoofTerraceArt1126;
    default:
        return column >= Participation && column <= Share;
    }
}

ReportDocument ExpenseStatementPrintout::build(const SharedState &state, int k, ManagementType type)
{
    ReportDocument document(PrintoutFont);
    appendStatement(document, state, k, type);
    return document;
}

ReportDocument ExpenseStatementPrintout::buildFrom(const SharedState &state, int k,
                                                   ManagementType type, const MoveToItem &moveTo)
{
    ReportDocument document(PrintoutFont);
    if (k < 1 || k > MaxItems)
        return document;
    appendStatement(document, state, k, type);
    for (int j = k + 1; j <= MaxItems; ++j) {
        moveTo(j);
        if (state.item(j).expenseAmount.isEmpty())
            break;
        appendStatement(document, state, j, type);
    }
    return document;
}

void ExpenseStatementPrintout::appendStatement(ReportDocument &document, const SharedState &state,
                                               int k, ManagementType type)
{
    if (k < 1 || k > MaxItems)
        return;
    appendHead(document, state, k, type);
    if (state.calcType == MeteredHeating) {
        MeterSharesTable::append(document, state, k);
        return;
    }
    appendLegend(document);
    appendOwners(document, state);
}

} // namespace veltra
