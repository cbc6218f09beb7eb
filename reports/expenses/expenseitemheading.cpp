#include "reports/expenses/expenseitemheading.h"

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensefilename.h"
#include "core/expenses/runningtotal.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"
#include "reports/expenses/metersharestable.h"

#include <QStringList>

namespace veltra {

namespace {

const QChar CR(13);

const QStringList CriterionCaptions = {
    QStringLiteral("per millesimi"),
    QStringLiteral("per convenzione"),
    QStringLiteral("riscaldamento per cubatura"),
    QStringLiteral("riscaldamento per superficie radiante"),
    QStringLiteral("art.1124 Codice Civile (scale)"),
    QStringLiteral("art.1126 Codice Civile (lastrici solari)"),
    QStringLiteral("riscaldamento a contabilizzazione")
};

} // namespace

int ExpenseItemHeading::printedCriterion(int calcType)
{
    return calcType >= 1 && calcType <= CriterionCaptions.size() ? calcType : 1;
}

QString ExpenseItemHeading::criterionCaption(int calcType)
{
    return CriterionCaptions[printedCriterion(calcType) - 1];
}

QString ExpenseItemHeading::managementLine(const QString &typeWord, const QString &date, int k)
{
    const std::optional<int> year = ExpenseFileName::yearOf(date);
    const QString yearText = year ? QStringLiteral(" ") + NumberText::str(*year) : QString();
    return QStringLiteral("GESTIONE ") + typeWord + yearText + QStringLiteral("  (spesa n.")
        + NumberText::str(k) + QStringLiteral(")");
}

void ExpenseItemHeading::appendCondominiumLine(ReportDocument &document, const SharedState &state)
{
    document.appendParagraph(QStringLiteral("Condominio: ") + state.condoName + CR + CR, 20);
}

void ExpenseItemHeading::appendOwnerCountLine(ReportDocument &document, const SharedState &state)
{
    document.appendParagraph(QStringLiteral("numero condomini: ") + NumberText::str(state.ownerCount)
                                 + CR + CR,
                             12);
}

void ExpenseItemHeading::appendItemTable(ReportDocument &document, const SharedState &state,
                                         int k, const QString &dateLabel)
{
    const ExpenseItem &item = state.item(k);
    QList<QStringList> rows = {
        { QStringLiteral("tipologia"), QStringLiteral("valore") },
        { QStringLiteral("somma da ripartire"), RunningTotal::shownAmount(item.expenseAmount) },
        { QStringLiteral("tipo di spesa"), item.expenseType },
        { dateLabel, item.expenseDate },
        { QStringLiteral("tipo di calcolo"), criterionCaption(state.calcType) }
    };
    if (state.calcType == MeteredHeating)
        rows.append({ QStringLiteral("ripartizione"), MeterSharesTable::parametersText(state) });
    const int table = document.appendTable(rows.size(), 2, 10);
    for (int row = 1; row <= rows.size(); ++row) {
        document.setCell(table, row, 1, rows[row - 1][0]);
        document.setCell(table, row, 2, rows[row - 1][1]);
    }
}

} // namespace veltra
