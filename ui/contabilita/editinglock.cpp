#include "ui/contabilita/editinglock.h"

#include <QVariant>
#include <QWidget>

namespace veltra {

namespace {

// Where a locked control keeps the tool-tip it had before.
constexpr const char *OwnTip = "veltraOwnToolTip";

} // namespace

void EditingLock::apply(const QList<QWidget *> &controls, const QString &reason)
{
    for (QWidget *control : controls) {
        const QVariant own = control->property(OwnTip);
        if (reason.isEmpty()) {
            if (own.isValid())
                control->setToolTip(own.toString());
            control->setProperty(OwnTip, QVariant());
        } else {
            if (!own.isValid())
                control->setProperty(OwnTip, control->toolTip());
            control->setToolTip(reason);
        }
        control->setEnabled(reason.isEmpty());
    }
}

} // namespace veltra
