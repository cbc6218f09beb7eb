#pragma once

#include "toolcommand.h"

namespace veltra {

// "chiudi-esercizio --dati DATI --spese PRIMA_VOCE [--contabilita REGISTRO] [--riapri MOTIVO]":
// closes the year, writing each owner's, account's and fund's closing balance as its opening
// in the next year's register; with --riapri, opens a closed year again and records why.
class ChiudiEsercizioCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("chiudi-esercizio"); }
    QString argumentsSynopsis() const override;
    QString description() const override
    {
        return QStringLiteral("chiude l'esercizio e riporta i saldi nel successivo (o lo riapre)");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
