#include "ui/frame/wheelforwarder.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace veltra {

// The controls are watched one by one as well as the area: a wheel turn reaches the control
// under the pointer first.
WheelForwarder::WheelForwarder(QWidget *area, QScrollBar *bar)
    : QObject(area)
    , m_bar(bar)
{
    area->installEventFilter(this);
    for (QWidget *control : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control != bar)
            control->installEventFilter(this);
    }
}

bool WheelForwarder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !m_bar)
        return QObject::eventFilter(watched, event);
    QCoreApplication::sendEvent(m_bar, event);
    event->accept();
    return true;
}

} // namespace veltra
