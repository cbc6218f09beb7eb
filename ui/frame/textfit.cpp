#include "ui/frame/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace veltra {
namespace TextFit {

namespace {

// The room text needs in a box of the given width: wrapped text grows down, other text
// stays on its lines.
QSize textSize(const QLabel *label, int width)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(width);
        return QSize(int(document.idealWidth() + 0.999), int(document.size().height() + 0.999));
    }
    int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return label->fontMetrics().boundingRect(QRect(0, 0, qMax(width, 1), 1 << 20), flags, text).size();
}

// The label's text rectangle: inside its frame and margin, less the indent on the side the
// text is aligned to; an unset indent is half an "x" when the label has a frame.
QRect textRect(const QLabel *label)
{
    QRect rect = label->contentsRect();
    const int margin = label->margin();
    rect.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent <= 0)
        return rect;
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (align & Qt::AlignLeft)
        rect.setLeft(rect.left() + indent);
    if (align & Qt::AlignRight)
        rect.setRight(rect.right() - indent);
    if (align & Qt::AlignTop)
        rect.setTop(rect.top() + indent);
    if (align & Qt::AlignBottom)
        rect.setBottom(rect.bottom() - indent);
    return rect;
}

QSize labelSize(const QLabel *label)
{
    if (label->text().isEmpty())
        return label->size();
    const QRect rect = textRect(label);
    const QSize chrome = label->size() - rect.size();
    return label->size().expandedTo(textSize(label, rect.width()) + chrome);
}

QRect buttonTextRect(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button);
}

QSize buttonSize(const QAbstractButton *button)
{
    const bool pushOrOption = qobject_cast<const QPushButton *>(button)
        || qobject_cast<const QRadioButton *>(button) || qobject_cast<const QCheckBox *>(button);
    if (button->text().isEmpty() || !pushOrOption)
        return button->size();
    QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull())
        text.rwidth() += button->iconSize().width() + 4;
    const QSize chrome = button->size() - buttonTextRect(button).size();
    return button->size().expandedTo(text + chrome);
}

// A group box's title sits on its top edge, in the font and at the place its style gives it;
// it fits while it ends as far from the right edge as it starts from the left one.
QSize groupBoxSize(const QGroupBox *box)
{
    if (box->title().isEmpty())
        return box->size();
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = Qt::AlignLeft;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    // Measured in a box wide enough for any title, so that the style does not cut it.
    option.rect.setWidth(1 << 16);
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return box->size().expandedTo(QSize(title.right() + 1 + qMax(title.left(), 0), 0));
}

} // namespace

QSize fittingSize(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return labelSize(label);
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return buttonSize(button);
    if (const auto *box = qobject_cast<const QGroupBox *>(control))
        return groupBoxSize(box);
    return control->size();
}

} // namespace TextFit
} // namespace veltra
