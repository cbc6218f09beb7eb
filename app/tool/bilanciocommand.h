#pragma once

#include "toolcommand.h"

namespace veltra {

// "bilancio FILE": the rows of the yearly balance table of the series of FILE (heading, one
// row per archived item, totals) as CSV on the standard output, as the printout holds them.
class BilancioCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("bilancio"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("bilancio annuale di una serie di spese in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
