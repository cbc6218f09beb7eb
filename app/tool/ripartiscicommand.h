#pragma once

#include "toolcommand.h"

namespace veltra {

// "ripartisci FILE": the shares of an expense or budget item file, recomputed from the
// inputs and criterion the file holds, as CSV on the standard output.
class RipartisciCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("ripartisci"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE"); }
    QString description() const override
    {
        return QStringLiteral("ripartizione di una spesa o di un preventivo in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
