#pragma once

#include "toolcommand.h"

namespace veltra {

// "importa-anagrafe FILE ANAGRAFE.csv": the register received as a spreadsheet, in the rows
// "anagrafe" prints, into the register beside the archive. A wrong row is named and
// nothing is written.
class ImportaAnagrafeCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("importa-anagrafe"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE ANAGRAFE.csv"); }
    QString description() const override
    {
        return QStringLiteral("anagrafe condominiale da un file CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
