#include "ui/frame/formcontrols.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra::FormControls {

QString indexed(const QString &name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}

QLabel *heading(QWidget *parent, const QList<Caption> &captions, const char *name,
                const QRect &rect)
{
    for (const Caption &caption : captions) {
        if (qstrcmp(caption.name, name) != 0)
            continue;
        auto *label = new QLabel(QString::fromUtf8(caption.text), parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setToolTip(QString::fromUtf8(caption.toolTip));
        label->setWordWrap(true);
        label->setGeometry(rect);
        return label;
    }
    return nullptr;
}

QLabel *panel(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setGeometry(rect);
    return label;
}

QLineEdit *lineEdit(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    return edit;
}

QScrollBar *scrollBar(QWidget *parent, const QString &name, int maximum, int pageStep,
                      const QRect &rect)
{
    auto *bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(1, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setGeometry(rect);
    return bar;
}

void disableEntries(QWidget *window, const QStringList &names)
{
    for (const QString &name : names) {
        if (auto *action = window->findChild<QAction *>(name))
            action->setEnabled(false);
    }
}

QTableWidget *table(const char *name, const QStringList &headings)
{
    auto *table = new QTableWidget(0, int(headings.size()));
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headings);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

QPushButton *button(const char *name, const QString &text, const QString &tip)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void fixedRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        table->setItem(row, c, fixedItem(cells.at(c)));
}

void writeRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        if (QTableWidgetItem *item = table->item(row, c))
            item->setText(cells.at(c));
        else
            table->setItem(row, c, new QTableWidgetItem(cells.at(c)));
    }
}

QVBoxLayout *scrollingSections(QWidget *page)
{
    auto *content = new QWidget;
    auto *sections = new QVBoxLayout(content);
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return sections;
}

void addSection(QVBoxLayout *sections, const QString &caption, QWidget *control, const QList<QPushButton *> &buttons)
{
    sections->addWidget(new QLabel(caption));
    sections->addWidget(control);
    if (buttons.isEmpty())
        return;
    auto *row = new QHBoxLayout;
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addStretch();
    sections->addLayout(row);
}

QDialogButtonBox *goAheadOrCancel(QDialog *dialog, const char *name, const QString &text)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(text);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::fromLatin1(name));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QWidget *page(QTableWidget *table, QHBoxLayout *buttons)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(table);
    if (buttons)
        layout->addLayout(buttons);
    return page;
}

} // namespace veltra::FormControls
