#include "ui/dati/leaderlabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace veltra {

namespace {

// The item, the run of dots and the value of a row.
const QRegularExpression LeaderRow(QStringLiteral("^(.*?)\\.{3,}(.+)$"));

// The blanks that stood for the missing tens of " 1)" become figure spaces, as wide as a
// digit, so that "1)" stands under the "0)" of "10)".
QString figureAligned(QString item)
{
    int blanks = 0;
    while (blanks < item.size() && item.at(blanks) == QLatin1Char(' '))
        ++blanks;
    return QString(blanks / 2, QChar(0x2007)) + item.mid(blanks);
}

} // namespace

LeaderLabel::LeaderLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    const QRegularExpressionMatch row = LeaderRow.match(text);
    if (!row.hasMatch())
        return;
    m_item = figureAligned(row.captured(1));
    m_value = row.captured(2);
}

// The dots keep one grid from the label's left edge, so that the leaders of a column run in
// even ranks; a blank at least keeps them off the item and the value.
void LeaderLabel::paintEvent(QPaintEvent *event)
{
    const QRect room = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    const int itemEnd = room.left() + metrics.horizontalAdvance(m_item);
    const int valueStart = room.right() + 1 - metrics.horizontalAdvance(m_value);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    if (m_value.isEmpty() || itemEnd + 2 * blank > valueStart) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int baseline = room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPoint(room.left(), baseline), m_item);
    painter.drawText(QPoint(valueStart, baseline), m_value);
    const int dot = qMax(1, metrics.horizontalAdvance(QLatin1Char('.')));
    const int first = (itemEnd + blank - room.left() + dot - 1) / dot;
    for (int x = room.left() + first * dot; x + dot <= valueStart - blank; x += dot)
        painter.drawText(QPoint(x, baseline), QStringLiteral("."));
}

} // namespace veltra
