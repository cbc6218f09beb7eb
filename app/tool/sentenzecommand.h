#pragma once

#include "toolcommand.h"

namespace veltra {

// "sentenze [--dati DATI]": every shipped ruling as comma-separated values, one row per
// ruling after a heading row: topic, number within the topic, court, date, decision number
// and the addresses of its sources (separated by " ; "), so that every citation can be
// checked outside the program.
class SentenzeCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("sentenze"); }
    QString argumentsSynopsis() const override { return QStringLiteral("[--dati DATI]"); }
    QString description() const override
    {
        return QStringLiteral("le sentenze fornite, con le fonti, in formato CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
