#pragma once

#include "toolcommand.h"

namespace veltra {

// "anagrafe FILE": the owners' register beside the archive as CSV, one row per person and
// one per unit, as "importa-anagrafe" reads it back.
class AnagrafeCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("anagrafe"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("anagrafe condominiale in CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
