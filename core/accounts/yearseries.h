#pragma once

#include "core/expenses/managementtype.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace veltra {

// One item of the year's expense series as the register needs it: its amount and every
// owner's share in cents, and the day each owner paid his share, as the payments window
// recorded it.
struct SeriesItem
{
    int number = 0;
    QString description;
    QString date;                 // as typed, gg/mm/aaaa
    long long cents = 0;
    int criterion = 0;            // the calcType it was allocated by
    QMap<int, long long> shares;  // by owner number, only the owners who take part
    QMap<int, QDate> paid;        // by owner number, only the owners who paid on a day
    QString path;
};

// The items 1, 2, ... of the "spese" (or "preventivi") series of a year beside the condominium archive,
// read until the first item without a file. An item that is there but cannot be read whole,
// or is of another condominium, stops the reading with problem set: nothing is counted from
// part of a series.
class YearSeries
{
public:
    static YearSeries load(const QString &archivePath, const QString &condoName, int year,
                           ManagementType type = ManagementType::Spese);

    QList<SeriesItem> items;
    QString problem;

    const SeriesItem *item(int number) const;
    // The share of owner in item number, 0 when he has none.
    long long share(int number, int owner) const;

    // Writes the owners' payment days into item number's file (a null date clears one),
    // whole or not at all; false with *error when the file cannot be read whole or written.
    static bool writePaymentDays(const QString &path, const QMap<int, QDate> &days, QString *error);
};

} // namespace veltra
