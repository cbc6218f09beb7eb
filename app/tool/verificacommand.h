#pragma once

#include "toolcommand.h"

namespace veltra {

// "verifica FILE": the data check of a condominium archive, with the heating basis stored
// in the file; prints the first finding, or the confirmation when the data pass.
class VerificaCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("verifica"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("controllo dei dati; esce con 0 solo se sono completi");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
