#pragma once

#include "toolcommand.h"

namespace veltra {

// "millesimi FILE": the owners' millesimal table of a condominium archive, recomputed
// from its units, as CSV on the standard output.
class MillesimiCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("millesimi"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("tabella dei millesimi dei condomini in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
