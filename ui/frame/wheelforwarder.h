#pragma once

#include <QObject>
#include <QPointer>

class QScrollBar;
class QWidget;

namespace veltra {

// Lets the mouse wheel turned anywhere over a grid of labels move the grid's scroll bar, as
// it would over a list: the labels themselves take no wheel, so without it only the narrow
// bar beside them would answer.
class WheelForwarder : public QObject
{
    Q_OBJECT

public:
    // Watches area, which keeps the forwarder, and the controls already on it: their wheel
    // turns go to bar.
    WheelForwarder(QWidget *area, QScrollBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QScrollBar> m_bar;
};

} // namespace veltra
