#pragma once

#include <QPushButton>

class QLabel;

namespace veltra {

// A command button whose caption is too long for one line: the caption wraps inside the
// button, in a label that follows the button's size.
class WrappedButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrappedButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const;
    QLabel *captionLabel() const { return m_label; }

private:
    QLabel *m_label;
};

} // namespace veltra
