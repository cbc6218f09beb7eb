#include "ui/frame/toolbarpictures.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace veltra {

namespace {

// Buttons 5 to 13 open work window 1 to 9: their picture is the window's number.
QIcon windowNumberPicture(int windowNumber)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2a, 0x5d, 0x9f));
    painter.setPen(QColor(0x1b, 0x3c, 0x66));
    painter.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 3, 3);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, QString::number(windowNumber));
    return QIcon(pixmap);
}

QIcon printerPicture()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(Qt::white);
    painter.drawRect(7, 3, 10, 8);
    painter.setBrush(QColor(0x90, 0x90, 0x90));
    painter.drawRect(3, 10, 18, 8);
    painter.setBrush(Qt::white);
    painter.drawRect(7, 15, 10, 6);
    return QIcon(pixmap);
}

QStyle::StandardPixmap standardPicture(int button)
{
    switch (button) {
    case 1: return QStyle::SP_DialogOpenButton;
    case 2: return QStyle::SP_DialogSaveButton;
    case 3: return QStyle::SP_TrashIcon;
    case 14: return QStyle::SP_DialogHelpButton;
    case 15: return QStyle::SP_MessageBoxInformation;
    case 16: return QStyle::SP_MessageBoxQuestion;
    case 17: return QStyle::SP_FileDialogInfoView;
    case 18: return QStyle::SP_DialogApplyButton;
    case 19: return QStyle::SP_DialogResetButton;
    default: return QStyle::SP_DialogCloseButton;
    }
}

} // namespace

QIcon toolbarPicture(int button)
{
    if (button >= 5 && button <= 13)
        return windowNumberPicture(button - 4);
    if (button == 4)
        return printerPicture();
    return QApplication::style()->standardIcon(standardPicture(button));
}

} // namespace veltra
