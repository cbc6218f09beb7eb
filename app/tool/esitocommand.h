#pragma once

#include "toolcommand.h"

namespace veltra {

// "esito --dati DATI --avviso AVVISI --presenze PRESENZE.csv --voti VOTI.csv [--seconda]":
// the meeting's constitutive quorum and each point's result, from the attendance and the
// votes collected on paper, as the meeting window counts them. Bad input is refused,
// naming its file and row, before anything is printed.
class EsitoCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("esito"); }
    QString argumentsSynopsis() const override
    {
        return QStringLiteral("--dati DATI --avviso AVVISI --presenze PRESENZE.csv --voti VOTI.csv "
                              "[--seconda]");
    }
    QString description() const override
    {
        return QStringLiteral("costituzione dell'assemblea ed esito delle votazioni");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
