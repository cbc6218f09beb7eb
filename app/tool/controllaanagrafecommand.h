#pragma once

#include "toolcommand.h"

namespace veltra {

// "controlla-anagrafe FILE": per owner, what the owners' register still lacks of what the
// law asks and every codice fiscale, partita IVA or IBAN failing its check; exit status 1
// when anything is missing or wrong, or the register does not match the archive.
class ControllaAnagrafeCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("controlla-anagrafe"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("dati mancanti o errati dell'anagrafe condominiale");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
