#pragma once

#include "toolcommand.h"

namespace veltra {

// "registra-verbale SEDUTA [--corregge N]": transcribes the minutes of the meeting as the
// next entry of the register of minutes "Veltra-verbali-NAME" beside it; with --corregge
// the entry corrects entry N, which stays as it was.
class RegistraVerbaleCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("registra-verbale"); }
    QString argumentsSynopsis() const override { return QStringLiteral("SEDUTA [--corregge N]"); }
    QString description() const override
    {
        return QStringLiteral("trascrizione del verbale di una seduta nel registro dei verbali");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
