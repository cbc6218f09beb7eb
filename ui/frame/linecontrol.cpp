#include "ui/frame/linecontrol.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace veltra {

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    // A line is decoration: clicks go to whatever lies beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEndPoints(0, 0, 0, 0);
}

LineControl::LineControl(int x1, int y1, int x2, int y2, QWidget *parent)
    : LineControl(parent)
{
    setEndPoints(x1, y1, x2, y2);
}

void LineControl::setEndPoints(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                std::abs(y2 - y1) + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint origin = pos();
    painter.drawLine(QPoint(m_x1, m_y1) - origin, QPoint(m_x2, m_y2) - origin);
}

} // namespace veltra
