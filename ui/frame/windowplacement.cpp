#include "ui/frame/windowplacement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace veltra {
namespace WindowPlacement {

void centreOver(QWidget *window, const QWidget *over)
{
    if (!over)
        return;
    const QWidget *overWindow = over->window();
    const QRect target = overWindow->frameGeometry();
    // A window not shown yet has no frame: it will get one like the other window's.
    const QSize size = window->isVisible()
        ? window->frameGeometry().size()
        : window->size() + (target.size() - overWindow->size());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(target.center());
    if (const QScreen *screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        const int right = qMax(room.left(), room.right() + 1 - size.width());
        const int bottom = qMax(room.top(), room.bottom() + 1 - size.height());
        placed.moveTopLeft(QPoint(qBound(room.left(), placed.left(), right),
                                  qBound(room.top(), placed.top(), bottom)));
    }
    window->move(placed.topLeft());
}

} // namespace WindowPlacement
} // namespace veltra
