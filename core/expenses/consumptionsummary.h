#pragma once

#include "core/expenses/managementtype.h"
#include "core/numbers/money.h"

#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

namespace veltra {

// The heating season of a series: every item allocated by heat meters with each owner's
// reading and the two parts of his share, for the yearly summary each owner receives.
struct ConsumptionSummary
{
    struct OwnerPart
    {
        bool takesPart = false;
        QString reading; // consumption units, as typed
        bool estimated = false;
        Money consumption;
        Money fixed;
        Money total() const { return consumption + fixed; }
    };

    struct Item
    {
        int k = 0;
        QString description;
        QString date;
        QVector<OwnerPart> owners; // owner i at i - 1
    };

    QString condoName;
    QStringList ownerNames;     // of the last item read, in order
    QStringList ownerAddresses;
    QList<Item> items;

    // The path of item k of the series, or nothing past its end.
    using ItemPath = std::function<std::optional<QString>(int k)>;

    // Reads items 1, 2, ... while their files exist and keeps those of criterion 7; a
    // damaged item or one whose readings file is missing or foreign refuses the whole
    // summary with *problem (the file named).
    static std::optional<ConsumptionSummary> collect(const ItemPath &pathOf, ManagementType type,
                                                     QString *problem);
};

} // namespace veltra
