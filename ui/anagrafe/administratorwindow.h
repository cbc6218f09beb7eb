#pragma once

#include "core/registry/administratordetails.h"

#include <QWidget>

#include <array>

class QFormLayout;
class QLineEdit;

namespace veltra {

class Shell;

// "Dati dell'amministratore": who signs the letters, typed once for every condominium.
// "Salva" checks the tax identifiers, writes the details to the administrator's file and
// puts them on every letter printed from then on; "Annulla" closes and keeps what was there.
class AdministratorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AdministratorWindow(Shell &shell, QWidget *parent = nullptr);

    // "Dati dell'amministratore": the window's title and that of its messages.
    static QString title();

    // Shows the details in force.
    void load();
    // The details as typed.
    AdministratorDetails typed() const;
    // Checks and saves what is typed; false, after telling the user why, when it is not.
    bool save();

private:
    QLineEdit *addField(QFormLayout *form, const char *name, const QString &label);
    QString problem(const AdministratorDetails &details) const;

    Shell &m_shell;
    std::array<QLineEdit *, 9> m_fields{};
};

} // namespace veltra
