#pragma once

#include "core/expenses/managementtype.h"
#include "reports/document/reportdocument.h"

#include <functional>

namespace veltra {

class SharedState;

// The allocation statement of an expense or budget item: the item, a legend and the table
// of all owners with the inputs the item's criterion uses and their shares.
class ExpenseStatementPrintout
{
public:
    // Loads item j into the state exactly as the expense window's move to item j does.
    using MoveToItem = std::function<void(int j)>;

    static QString openingStatus();
    static QString closingStatus();

    // The statement of item k (1..200) alone ("Dati finestra").
    static ReportDocument build(const SharedState &state, int k, ManagementType type);

    // "Tutti i dati archiviati (dalla spesa corrente)": the statement of item k, then, for
    // j = k + 1, k + 2, ...: moveTo(j), and the statement of item j while its amount is not
    // empty; it stops at the first item without amount (the window is left on it) or after
    // item 200. state is the one moveTo loads into.
    static ReportDocument buildFrom(const SharedState &state, int k, ManagementType type,
                                    const MoveToItem &moveTo);

    // Appends the statement of item k as the state holds it now to a document already
    // begun, right-aligning its owners table from column 5 to 11; nothing for a k outside
    // 1..200.
    static void appendStatement(ReportDocument &document, const SharedState &state, int k,
                                ManagementType type);

    // Whether column `column` (1..11) of the owners table is filled under calcType; the
    // participation, number, name, address and share columns always are.
    static bool isColumnFilled(int column, int calcType);
};

} // namespace veltra
