#pragma once

#include <QDate>
#include <QString>

namespace veltra {

// A change in an owner's record: what changed, when, and the paper it is known from. A
// transfer of the unit that the owner has not reported obliges him to within sixty days.
struct RegisterChange
{
    QDate date;
    QString document;     // "atto notaio Bianchi del 3/2/2026", "comunicazione del condomino"
    QString description;
    bool transfer = false;

    bool operator==(const RegisterChange &other) const;
    bool operator!=(const RegisterChange &other) const { return !(*this == other); }
};

} // namespace veltra
