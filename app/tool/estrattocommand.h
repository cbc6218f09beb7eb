#pragma once

#include "toolcommand.h"

namespace veltra {

// "estratto REGISTRO N": owner N's statement for the year as CSV rows
// tipo;data;voce;descrizione;importo, the amount positive when it adds to what he owes.
class EstrattoCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("estratto"); }
    QString argumentsSynopsis() const override { return QStringLiteral("REGISTRO N"); }
    QString description() const override
    {
        return QStringLiteral("l'estratto conto di un condomino come CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
