#pragma once

#include <QWidget>

namespace veltra {

// A straight line drawn on a form between two end points given in the coordinates of the
// widget it sits on. The widget covers just the box spanned by the end points, so that the
// resizer can move the ends independently.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    explicit LineControl(QWidget *parent = nullptr);
    LineControl(int x1, int y1, int x2, int y2, QWidget *parent = nullptr);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    void setEndPoints(int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
};

} // namespace veltra
