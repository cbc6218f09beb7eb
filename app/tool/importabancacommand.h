#pragma once

#include "toolcommand.h"

namespace veltra {

// "importa-banca STATEMENT.csv --dati DATI --spese FIRST_ITEM [--contabilita REGISTER]
// [--scrivi]": the bank's statement read against the year's register (begun when there is
// none) and the open shares of the series, one CSV row per statement line,
// riga;data;importo;condomino;voci;esito. With --scrivi the rows "abbinato" become the
// owners' share receipts, written into the register and the series.
class ImportaBancaCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("importa-banca"); }
    QString argumentsSynopsis() const override
    {
        return QStringLiteral("ESTRATTO.csv --dati DATI --spese PRIMA_VOCE [--contabilita REGISTRO] [--scrivi]");
    }
    QString description() const override
    {
        return QStringLiteral("abbina ai condomini i versamenti dell'estratto conto della banca");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
