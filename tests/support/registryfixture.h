#pragma once

#include "core/state/sharedstate.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// Builders of condominium registries for tests and benches.
namespace RegistryFixture {

// A unit with the given net surface and seven coefficients (all "1" when none are given).
Unit makeUnit(const QString &surface, const QStringList &coefficients = QStringList(),
              const QString &name = QStringLiteral("camera"),
              const QString &heating = QStringLiteral("100"));

// Stores an owner after the last one (ownerCount + 1) with his units and counts him;
// returns his number.
int addOwner(SharedState &state, const QString &name, const QString &floor,
             const QList<Unit> &units, const QString &address = QStringLiteral("via Roma 1"));

// A condominium archive "Cedri" of owners owners on the first floor, each with one unit of
// 100 square metres, written into folder; returns its path.
QString writeCondominium(const QString &folder, int owners);

// The largest registry the system holds: 500 owners with 50 units each, every cell filled,
// floors from -1 up to 40 in ascending order, heating by volume.
void fillMaximalRegistry(SharedState &state);

// The same registry limited to the first owners.
void fillRegistry(SharedState &state, int owners, int unitsPerOwner);

} // namespace RegistryFixture

} // namespace veltra
