#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The owners who vote on a point that concerns only those bearing its expense, written as
// the administrator writes them: numbers separated by commas, a dash for a run ("1-4, 7").
// An empty list means every owner.
namespace EntitledOwners {

QString text(const QList<int> &owners);
// The owners listed, in number order without repeats; nothing when a part is no number,
// no run, or names an owner the registry of state lacks.
std::optional<QList<int>> read(const QString &text, const SharedState &state);

} // namespace EntitledOwners

} // namespace veltra
