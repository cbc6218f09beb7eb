#pragma once

#include "toolcommand.h"

namespace veltra {

// "registra-decreto --dati DATI --data GG/MM/AAAA --tribunale TESTO --estremi TESTO
// --tipo nomina|revoca --amministratore NOME [--note TESTO]": adds a court decree appointing
// or revoking the administrator to the file of decrees "Veltra-decreti-NAME" beside the
// condominium archive, from which the register of appointments and revocations takes it.
class RegistraDecretoCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("registra-decreto"); }
    QString argumentsSynopsis() const override
    {
        return QStringLiteral("--dati DATI --data GG/MM/AAAA --tribunale TESTO --estremi TESTO "
                              "--tipo nomina|revoca --amministratore NOME [--note TESTO]");
    }
    QString description() const override
    {
        return QStringLiteral("annotazione di un decreto del giudice che nomina o revoca l'amministratore");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
