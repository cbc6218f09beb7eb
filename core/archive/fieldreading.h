#pragma once

#include "core/archive/archivereader.h"

#include <QString>

namespace veltra {

// Reads an archive field by field and names the first field it cannot take, with its line
// and whose it is: "riga 5, la superficie del locale n. 2 del condomino n. 3 (Rossi): dato
// mancante o illeggibile". The reading stops at that field, so nothing after it is taken.
class FieldReading
{
public:
    // problem receives the message of the first field refused, and is left alone otherwise.
    FieldReading(ArchiveReader &reader, QString &problem);

    QString text(const QString &field);
    Cell cell(const QString &field);
    // An integer from minimum to maximum; 0 when refused.
    int ranged(const QString &field, int minimum, int maximum);
    void endRecord(const QString &field);

    // Refuses the field just read for reason; an empty reason accepts it.
    void refuse(const QString &field, const QString &reason);
    // Refuses what follows the last record, which the file should not hold, for reason.
    void refuseLeftOver(const QString &reason);

    // The owner whose lines are read from now on (0: the header), and his unit (0: none).
    void setOwner(int i, const QString &name = QString());
    void setUnit(int j) { m_unit = j; }

    bool ok() const { return m_reader.ok(); }

    // A long or binary text would bury the message: it is cut and its control
    // characters shown as "?".
    static QString quoted(const QString &text);

private:
    void check(const QString &field);
    QString lineText() const;
    QString placeText(const QString &field) const;

    ArchiveReader &m_reader;
    QString &m_problem;
    int m_owner = 0;
    int m_unit = 0;
    QString m_ownerName;
};

} // namespace veltra
