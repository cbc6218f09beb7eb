#pragma once

#include "core/expenses/managementtype.h"

#include <QString>
#include <QTextStream>

namespace veltra {

class SharedState;

// What the print kinds on an item file do first: read one file of an expense or budget
// series into the state as the expense window holds it after moving to that item.
class ExpenseItemLoader
{
public:
    struct Item
    {
        int k = 1; // the number the file's name ends with, 1 when it ends with none
        ManagementType type = ManagementType::Spese;
    };

    // Reads path as item k with its owners (and, for heating by heat meters, the readings
    // file beside it), the amounts of items 1 to k - 1 from the files
    // of the same series beside it (a missing one adds no amount), and recomputes the
    // shares. ExitSuccess, or the exit code after one line on err.
    static int load(const QString &path, SharedState &state, Item &item, QTextStream &err);

    // Item j of the series whose item file is path.
    static QString siblingPath(const QString &path, int j);
};

} // namespace veltra
