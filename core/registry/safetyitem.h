#pragma once

#include <QDate>
#include <QString>

namespace veltra {

// One entry of the safety list of the common parts: a plant or a part of the building, its
// last check and when the next one is due.
struct SafetyItem
{
    QString item;        // "ascensore", "centrale termica", "estintori", …
    QDate lastCheck;
    QDate nextDue;
    QString performer;   // who checks it
    QString certificate; // the certificate's or report's reference

    bool operator==(const SafetyItem &other) const;
    bool operator!=(const SafetyItem &other) const { return !(*this == other); }
};

} // namespace veltra
