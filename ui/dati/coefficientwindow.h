#pragma once

#include "library/registry/coefficienttables.h"

#include <QWidget>

class QLabel;

namespace veltra {

class ProportionalResizer;

// A reference window of recommended coefficient values, one per coefficient, opened by the
// buttons over the coefficient columns of the condominium window. It only shows the table:
// the user types each coefficient freely. It is destroyed when closed, so the opener keeps
// it in a QPointer and builds it again on the next request.
class CoefficientWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CoefficientWindow(const CoefficientTable &table, QWidget *parent = nullptr);

    CoefficientKind kind() const { return m_kind; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls(const CoefficientTable &table);
    int addColumns(const CoefficientTable &table);
    QLabel *addLabel(const QString &name, const QString &text, const QRect &twips);
    QLabel *place(QLabel *label, const QString &name, const QRect &twips);

    CoefficientKind m_kind;
    ProportionalResizer *m_resizer;
};

} // namespace veltra
