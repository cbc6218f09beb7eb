#pragma once

#include "toolcommand.h"

namespace veltra {

// "controlla-avviso AVVISI": the check of a meeting-notice file, as "Controllo dati immessi"
// of the notice window runs it; its message on out, exit 0 only when nothing is wrong.
class ControllaAvvisoCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("controlla-avviso"); }
    QString argumentsSynopsis() const override { return QStringLiteral("AVVISI"); }
    QString description() const override
    {
        return QStringLiteral("controllo delle date e dell'ordine del giorno di un avviso");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
