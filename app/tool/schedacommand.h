#pragma once

#include "toolcommand.h"

namespace veltra {

// "scheda FILE N": the rows of owner N's account card in the series of FILE (heading, one
// row per archived item, totals) as CSV on the standard output, as the printout holds them.
class SchedaCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("scheda"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE N"); }
    QString description() const override
    {
        return QStringLiteral("scheda dei pagamenti del condomino N in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
