#pragma once

#include "core/registry/safetyitem.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace veltra {

class SharedState;

// What the owners' register still lacks of what the law asks for each owner (the persons'
// details with codice fiscale and residence, each unit's cadastral data, the report of a
// transfer within sixty days) and which identifiers fail their check. The registry lists
// rooms one by one: the cadastral data typed for a room hold for the rooms after it, up to
// the next room with data of its own, since the rooms of one flat share them.
namespace RegisterCheck {

// Days within which an owner reports a change, and within which a check falling due is
// shown beside those overdue.
constexpr int ReportDays = 60;

struct OwnerFindings
{
    int owner = 0;
    QString ownerName;
    QStringList missing; // "il codice fiscale di Rossi Mario", …
    QStringList wrong;   // "il codice fiscale di Rossi Mario (RSSMRA…): carattere di controllo errato"

    bool isEmpty() const { return missing.isEmpty() && wrong.isEmpty(); }
};

OwnerFindings checkOwner(const SharedState &state, int i, const QDate &today);
// The owners of the registry with any finding, in number order.
QVector<OwnerFindings> check(const SharedState &state, const QDate &today);

// The safety entries whose next check is past or falls within ReportDays of today.
QVector<SafetyItem> dueSafetyItems(const QVector<SafetyItem> &items, const QDate &today);

} // namespace RegisterCheck

} // namespace veltra
