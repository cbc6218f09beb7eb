#include "reports/payments/paymentstables.h"

#include "core/expenses/runningtotal.h"
#include "reports/document/reportdocument.h"

#include <algorithm>

namespace veltra::PaymentsTables {

int append(ReportDocument &document, const QList<QStringList> &rows,
           std::optional<int> fontSize)
{
    int columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, int(row.size()));
    const int table = document.appendTable(rows.size(), columns, fontSize);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            document.setCell(table, row + 1, column + 1, rows[row][column]);
    }
    return table;
}

QString ownerTotal(double euro)
{
    return RunningTotal::shownTotal(euro);
}

} // namespace veltra::PaymentsTables
