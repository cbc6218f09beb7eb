#include "ui/assemblea/wrappedbutton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace veltra {

WrappedButton::WrappedButton(const QString &caption, QWidget *parent)
    : QPushButton(parent)
    , m_label(new QLabel(caption, this))
{
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Clicks on the caption belong to the button.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->addWidget(m_label);
}

QString WrappedButton::caption() const
{
    return m_label->text();
}

} // namespace veltra
