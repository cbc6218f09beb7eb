#pragma once

#include "toolcommand.h"

namespace veltra {

class SharedState;

// "ripartisci FILE": the shares of an expense or budget item file, recomputed from the
// inputs and criterion the file holds, as CSV on the standard output. With "--letture
// LETTURE.csv" the item is allocated instead by heat meters with the firm's readings, the
// percentage "--consumo" (70 when not given) and the basis "--base" (proprieta when not
// given), among the item's participants; no file is changed.
class RipartisciCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("ripartisci"); }
    QString argumentsSynopsis() const override
    {
        return QStringLiteral("FILE [--letture LETTURE.csv [--consumo P] "
                              "[--base proprieta|riscaldamento|fabbisogno]]");
    }
    QString description() const override
    {
        return QStringLiteral("ripartizione di una spesa o di un preventivo in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;

    // The shares of owners 1..ownerCount as the command prints them.
    static void printShares(const SharedState &state, QTextStream &out);
};

} // namespace veltra
