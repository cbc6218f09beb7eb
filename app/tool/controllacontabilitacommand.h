#pragma once

#include "toolcommand.h"

namespace veltra {

// "controlla-contabilita REGISTRO": each finding of the register's check on a line of its own,
// "errore: " or "avviso: " first; exit status 1 when any is an error.
class ControllaContabilitaCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("controlla-contabilita"); }
    QString argumentsSynopsis() const override { return QStringLiteral("REGISTRO"); }
    QString description() const override
    {
        return QStringLiteral("le irregolarità del registro di contabilità");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
