#pragma once

#include "toolcommand.h"

namespace veltra {

// "importa-movimenti FILE.csv --contabilita REGISTRO": the movements of a register kept
// elsewhere, in the interchange CSV, added to the register (begun when there is none); the
// owners' share receipts set their payment days in the expense series.
class ImportaMovimentiCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("importa-movimenti"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE.csv --contabilita REGISTRO"); }
    QString description() const override
    {
        return QStringLiteral("porta nel registro i movimenti di un CSV di interscambio");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
