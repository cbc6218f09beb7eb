#pragma once

#include <QLabel>

namespace veltra {

// A row of a coefficient table, "2) camere.......1,00": the item at the left, the value at
// the right edge and the dots between drawn to fill the room, so that the values of a column
// line up and their leaders reach them in whatever font the desktop gives. The label's text
// stays the row as written, for readers and for measuring the room it needs.
class LeaderLabel : public QLabel
{
    Q_OBJECT

public:
    LeaderLabel(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_item;
    QString m_value;
};

} // namespace veltra
