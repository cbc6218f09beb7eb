#pragma once

#include <QDialog>

class QLineEdit;

namespace veltra {

// Asks why a closed financial year is opened again: the reason is recorded beside the day,
// so that anyone reading the rendiconto later sees that it was changed after the closing.
class ReopenDialog : public QDialog
{
    Q_OBJECT

public:
    ReopenDialog(int year, QWidget *parent = nullptr);

    QLineEdit *reasonField() const { return m_reason; }
    QString reason() const;

private:
    QLineEdit *m_reason;
};

} // namespace veltra
