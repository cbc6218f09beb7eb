#include "ui/frame/librarycontrols.h"

#include "ui/frame/shell.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltra::LibraryControls {

// The number is printed with a place for its sign, and two more spaces below 10.
QString numberedLine(int n, const QString &title)
{
    const QString padding = n < 10 ? QStringLiteral("   ") : QStringLiteral(" ");
    return padding + QString::number(n) + QStringLiteral(") ") + title;
}

QLabel *heading(QWidget *form, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, form);
    label->setObjectName(QStringLiteral("Label61"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}

QPlainTextEdit *readOnlyText(QWidget *form, const QString &name, const QRect &rect)
{
    auto *text = new QPlainTextEdit(form);
    text->setObjectName(name);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The lettered lists put a tab between the letter and the item.
    text->setTabStopDistance(QFontMetricsF(text->font()).horizontalAdvance(QLatin1Char('x')) * 4);
    text->setGeometry(rect);
    return text;
}

QPushButton *printButton(QWidget *form, const QString &name, const QString &toolTip)
{
    auto *button = new QPushButton(QStringLiteral("&Stampa"), form);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setGeometry(8, ButtonRowTop, 96, 26);
    return button;
}

QPushButton *forumButton(QWidget *form, Shell &shell)
{
    auto *button = new QPushButton(QStringLiteral("f&orum"), form);
    button->setObjectName(QStringLiteral("forum"));
    button->setGeometry(112, ButtonRowTop, 80, 26);
    QObject::connect(button, &QPushButton::clicked, &shell, &Shell::showSupport);
    return button;
}

} // namespace veltra::LibraryControls
