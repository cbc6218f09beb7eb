#include "ui/anagrafe/administratorwindow.h"

#include "core/platform/platform.h"
#include "core/registry/administratorfile.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"
#include "ui/frame/shell.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

QString AdministratorWindow::title()
{
    return QStringLiteral("Dati dell'amministratore");
}

AdministratorWindow::AdministratorWindow(Shell &shell, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("amministratore"));
    setWindowTitle(title());
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral(
        "Questi dati compaiono in testa a ogni lettera, avviso, sollecito, ricevuta e "
        "convocazione, e il nome sotto la firma. Valgono per tutti i condomìni; i campi "
        "lasciati vuoti non vengono stampati."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    const std::array<std::pair<const char *, const char *>, 9> fields = {{
        {"nome", "Cognome e nome o studio:"},
        {"indirizzo", "Indirizzo:"},
        {"codicefiscale", "Codice fiscale:"},
        {"partitaiva", "Partita IVA:"},
        {"telefono", "Telefono:"},
        {"email", "E-mail:"},
        {"pec", "PEC:"},
        {"luogoregistri", "Registri consultabili presso:"},
        {"orariregistri", "Giorni e orari di consultazione:"},
    }};
    for (std::size_t k = 0; k < fields.size(); ++k)
        m_fields[k] = addField(form, fields[k].first, QString::fromUtf8(fields[k].second));
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(QStringLiteral("&Salva"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("salva"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("&Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("annulla"));
    connect(save, &QPushButton::clicked, this, [this] {
        if (this->save())
            close();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(buttons);
    // Wide enough for an address or a PEC on one line; never smaller than it opens, where
    // the wrapped introduction would lose its last lines.
    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
    resize(sizeHint());
    setMinimumSize(size());
}

QLineEdit *AdministratorWindow::addField(QFormLayout *form, const char *name, const QString &label)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QString::fromUtf8(name));
    form->addRow(label, field);
    return field;
}

void AdministratorWindow::load()
{
    const auto values = m_shell.state().administrator.texts();
    for (std::size_t k = 0; k < values.size(); ++k)
        m_fields[k]->setText(*values[k]);
}

AdministratorDetails AdministratorWindow::typed() const
{
    AdministratorDetails details;
    const auto values = details.texts();
    for (std::size_t k = 0; k < values.size(); ++k)
        *values[k] = m_fields[k]->text().trimmed();
    details.fiscalCode = details.fiscalCode.toUpper();
    return details;
}

QString AdministratorWindow::problem(const AdministratorDetails &details) const
{
    if (!details.fiscalCode.isEmpty() && !TaxCode::isFiscalCode(details.fiscalCode))
        return QStringLiteral("Il codice fiscale ") + details.fiscalCode
            + QStringLiteral(" non è valido: sono sedici caratteri per una persona, undici cifre "
                             "per una società, e l'ultimo è il carattere di controllo calcolato "
                             "dai precedenti. Controllare di averlo copiato esattamente.");
    if (!details.vatNumber.isEmpty() && !TaxCode::isVatNumber(details.vatNumber))
        return QStringLiteral("La partita IVA ") + details.vatNumber
            + QStringLiteral(" non è valida: sono undici cifre e l'ultima è la cifra di controllo "
                             "delle prime dieci. Controllare di averla copiata esattamente.");
    for (const QString *address : {&details.email, &details.pec}) {
        if (!address->isEmpty() && !address->contains(QLatin1Char('@')))
            return QStringLiteral("L'indirizzo ") + *address
                + QStringLiteral(" non è un indirizzo di posta elettronica: manca la @.");
    }
    return QString();
}

bool AdministratorWindow::save()
{
    const AdministratorDetails details = typed();
    const QString wrong = problem(details);
    if (!wrong.isEmpty()) {
        m_shell.platform().showMessage(MessageIcon::Exclamation, title(), wrong);
        return false;
    }
    const QString path = m_shell.administratorPath();
    QString error;
    if (!AdministratorFile::save(details, path, &error)) {
        m_shell.platform().showMessage(MessageIcon::Exclamation, title(),
                                       QStringLiteral("Impossibile salvare i dati in ")
                                           + QDir::toNativeSeparators(path) + QStringLiteral(": ")
                                           + error + QStringLiteral("."));
        return false;
    }
    m_shell.state().administrator = details;
    return true;
}

} // namespace veltra
