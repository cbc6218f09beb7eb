#include "ui/dati/coefficientwindow.h"

#include "ui/dati/leaderlabel.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace veltra {

namespace {

// The window's design, in twips.
const QSize FormSize(9600, 3705);
constexpr int Margin = 120;
constexpr int ContentWidth = 9360;
constexpr int ColumnGap = 240;
constexpr int RowsTop = 420;
constexpr int RowHeight = 210;
constexpr int NoteGap = 60;
constexpr int NoteBottom = 3180;
const QRect HeadingBox(Margin, 60, ContentWidth, 270);
const QRect CloseButtonBox(8160, 3240, 1320, 375);

QFont boldened(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

CoefficientWindow::CoefficientWindow(const CoefficientTable &table, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_kind(table.kind)
    , m_resizer(new ProportionalResizer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(table.objectName);
    setWindowTitle(table.title);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    resize(Twips::toPixels(FormSize, font()));
    buildControls(table);

    m_resizer->setSourceForm(this);
    m_resizer->SizeFormToScreen(75);
    m_resizer->SizeFormToFit(Twips::toPixels(FormSize, font()));
}

void CoefficientWindow::buildControls(const CoefficientTable &table)
{
    QLabel *heading = addLabel(QStringLiteral("nomecondominio"), coefficientHeading(), HeadingBox);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(boldened(heading->font()));

    const int rowsBottom = addColumns(table);
    const int noteTop = rowsBottom > RowsTop ? rowsBottom + NoteGap : RowsTop;
    QLabel *note = addLabel(QStringLiteral("nota"), table.note,
                            QRect(Margin, noteTop, ContentWidth, NoteBottom - noteTop));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *chiudo = new QPushButton(QStringLiteral("&chiudi"), this);
    chiudo->setObjectName(QStringLiteral("chiudo"));
    chiudo->setToolTip(table.closeToolTip);
    chiudo->setGeometry(Twips::toPixels(CloseButtonBox, font()));
    connect(chiudo, &QPushButton::clicked, this, &QWidget::close);
}

// Lays the columns side by side and returns where the lowest of them ends, in twips.
int CoefficientWindow::addColumns(const CoefficientTable &table)
{
    const int count = int(table.columns.size());
    if (count == 0)
        return RowsTop;
    const int width = (ContentWidth - ColumnGap * (count - 1)) / count;
    int bottom = RowsTop;
    for (int c = 0; c < count; ++c) {
        const CoefficientColumn &column = table.columns.at(c);
        const QString prefix = QStringLiteral("colonna%1").arg(c + 1);
        const int left = Margin + c * (width + ColumnGap);
        int top = RowsTop;
        if (!column.heading.isEmpty()) {
            QLabel *heading = addLabel(prefix, column.heading, QRect(left, top, width, RowHeight));
            heading->setFont(boldened(heading->font()));
            top += RowHeight;
        }
        for (int r = 0; r < column.rows.size(); ++r) {
            place(new LeaderLabel(column.rows.at(r), this),
                  prefix + QStringLiteral("riga%1").arg(r + 1), QRect(left, top, width, RowHeight));
            top += RowHeight;
        }
        bottom = qMax(bottom, top);
    }
    return bottom;
}

QLabel *CoefficientWindow::addLabel(const QString &name, const QString &text, const QRect &twips)
{
    auto *label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    return place(label, name, twips);
}

QLabel *CoefficientWindow::place(QLabel *label, const QString &name, const QRect &twips)
{
    label->setObjectName(name);
    label->setGeometry(Twips::toPixels(twips, font()));
    return label;
}

// A reference looked up in passing is put away with Esc, as a dialog would be.
void CoefficientWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace veltra
