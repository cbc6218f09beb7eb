#pragma once

#include <QString>
#include <QStringList>

namespace veltra {

class SharedState;

// The owners' millesimal table as comma-separated values for other programs: one row per
// owner 1 to ownerCount with number, name, address, floor and the property, use and
// stairs millesimi (thousandths, three decimals with the decimal comma), after a heading
// row. Fields that hold a comma, a quote or a line break are quoted, quotes doubled.
class OwnerTableCsv
{
public:
    static QString build(const SharedState &state);

    // One row of fields, ended by a line feed.
    static QString row(const QStringList &fields);
    // A field as it must appear in a row.
    static QString field(const QString &text);
    // Thousandths with three decimals and the decimal comma, no grouping: "333,333"; an
    // empty field for a value that is no number.
    static QString millesimi(double value);
};

} // namespace veltra
