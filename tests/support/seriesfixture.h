#pragma once

#include "core/expenses/managementtype.h"

#include <QString>
#include <QStringList>

namespace veltra {

// Builders of expense and budget series on disk for tests and benches: item files written
// by the archive's own writer, for owners named "Condomino i" living at "via Roma i".
namespace SeriesFixture {

struct Item
{
    QString amount;
    QString description;
    QString date;              // gg/mm/aaaa: its year names the file
    QStringList shares;        // one per owner, "##,##0.00"
    QStringList paymentDates;  // one per owner, or none at all
    QStringList reminderDates; // one per owner, or none at all
};

// Writes item k of the series of condominium condo into folder; returns its path.
QString writeItem(const QString &folder, ManagementType type, const QString &condo, int k,
                  const Item &item);

// Writes item k of condominium condo under the name item k has in the series of
// seriesCondo and seriesYear: a foreign file among the files of a series.
QString writeItemNamedFor(const QString &folder, ManagementType type, const QString &condo,
                          const QString &seriesCondo, int seriesYear, int k, const Item &item);

// A "spese" series of items x owners dated in 2001, every amount and share a whole number
// of cents, owner i having paid item k when (i + k) % 3 is not 0 and been reminded when
// (i + k) % 5 is 0. Returns the path of item 1.
QString writeGenerated(const QString &folder, const QString &condo, int items, int owners);

} // namespace SeriesFixture

} // namespace veltra
