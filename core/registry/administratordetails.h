#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace veltra {

// Who the administrator is and how owners reach him, printed at the head of every letter
// and under its signature; where the condominium's registers are kept and when they can be
// inspected, which he must make known to every owner.
struct AdministratorDetails
{
    QString name;            // surname and name, or the firm
    QString address;
    QString fiscalCode;
    QString vatNumber;
    QString phone;
    QString email;
    QString pec;
    QString registersPlace;  // where the registers are kept
    QString inspectionHours; // the days and hours they can be seen

    // The nine texts in the order above, the order of the file and of the form.
    std::array<QString *, 9> texts();
    std::array<const QString *, 9> texts() const;

    bool isEmpty() const;
    // The letterhead, one line each for what is set: the name, the address, the tax
    // identifiers, the contacts and where the registers can be seen.
    QStringList letterhead() const;

    bool operator==(const AdministratorDetails &other) const;
};

} // namespace veltra
