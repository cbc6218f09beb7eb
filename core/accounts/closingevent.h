#pragma once

#include <QDate>
#include <QString>

namespace veltra {

// One closing or reopening of a financial year, kept so that anyone can see when a closed
// year was changed again and why.
struct ClosingEvent
{
    QDate day;
    bool closed = true; // false: reopened
    QString reason;
};

} // namespace veltra
