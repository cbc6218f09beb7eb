#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace veltra {

// The editing controls of a year that cannot be changed: greyed out, each showing why in
// place of its tool-tip, which comes back when the lock is lifted.
namespace EditingLock {

// Locks controls with reason as their tool-tip, or unlocks them when reason is empty.
void apply(const QList<QWidget *> &controls, const QString &reason);

} // namespace EditingLock
} // namespace veltra
