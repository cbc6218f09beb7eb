#pragma once

#include "toolcommand.h"

namespace veltra {

// "rendiconto --dati DATI --spese PRIMA_VOCE [--contabilita REGISTRO]": the year's figures as
// CSV rows sezione;chiave;voce;importo, sections conti, condomini, voci, fondi, equazione.
// A problem that changes a figure is told on err, one line each, and makes the exit code 1;
// the register's check findings follow as warnings.
class RendicontoCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("rendiconto"); }
    QString argumentsSynopsis() const override;
    QString description() const override
    {
        return QStringLiteral("il riepilogo del rendiconto dell'esercizio come CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
