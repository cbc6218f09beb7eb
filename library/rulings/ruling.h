#pragma once

#include "library/rulings/rulingcitation.h"

#include <QString>
#include <QStringList>

namespace veltra {

// One summarised court decision: the principle in one paragraph closed by its citation, and
// the addresses where the decision was seen, which travel with it but are not shown.
struct Ruling
{
    int topic = 0;  // 1 … 36
    int number = 0; // within the topic, from 1
    QString text;
    RulingCitation citation;
    QStringList sources;
};

} // namespace veltra
