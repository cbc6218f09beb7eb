#include "ui/contabilita/reopendialog.h"

#include "ui/frame/formcontrols.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace veltra {

ReopenDialog::ReopenDialog(int year, QWidget *parent)
    : QDialog(parent)
    , m_reason(new QLineEdit)
{
    setObjectName(QStringLiteral("riapertura"));
    setWindowTitle(QStringLiteral("Veltra: riapertura dell'esercizio"));
    auto *caption = new QLabel(QStringLiteral("Perché si riapre l'esercizio %1? Il motivo resta scritto accanto al "
                                              "giorno della riapertura.").arg(year));
    caption->setObjectName(QStringLiteral("lbmotivo"));
    caption->setWordWrap(true);
    m_reason->setObjectName(QStringLiteral("motivo"));
    m_reason->setToolTip(QStringLiteral("per esempio: fattura arrivata dopo la chiusura"));
    QDialogButtonBox *buttons = FormControls::goAheadOrCancel(this, "riapri", QStringLiteral("Riapri esercizio"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_reason);
    layout->addWidget(buttons);
    resize(420, 130);
    setMinimumSize(size());
}

QString ReopenDialog::reason() const
{
    return m_reason->text().trimmed();
}

} // namespace veltra
