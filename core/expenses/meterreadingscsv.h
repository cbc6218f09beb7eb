#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace veltra {

class SharedState;

// The readings a heat-accounting firm sends for a period: one row per owner,
// "condomino;lettura[;stimata]" with the owner's number, his reading in consumption units
// (decimal comma) and, when the meter could not be read, a mark that the reading is an
// estimate ("1", "sì", "s", "x" or "stimata"; empty, "0" or "no" for a reading taken).
// A first row whose owner is no number is a header. Empty rows are skipped. An owner
// number not of the item or given twice, a reading that is no number or is negative, and
// a mark not among those refuse the whole file, naming the row.
namespace MeterReadingsCsv {

struct Row
{
    int owner = 0;
    QString reading; // as in the file
    bool estimated = false;
};

struct Result
{
    bool ok = false;
    QString problem; // "riga 4: il condomino n. 9 non è della spesa (i condomini sono 6)"
    QList<Row> rows;
};

// Reads the bytes (UTF-8 or Windows-1252) for an item of ownerCount owners.
Result parse(const QByteArray &bytes, int ownerCount);
// Reads the file at path; a file that cannot be opened is refused with its cause.
Result load(const QString &path, int ownerCount);

// The readings of the period replace the owners' readings: an owner the file leaves out
// has none, so that the check names him rather than last period's figure standing.
void apply(const Result &result, SharedState &state);

} // namespace MeterReadingsCsv

} // namespace veltra
