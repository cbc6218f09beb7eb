#pragma once

#include "toolcommand.h"

namespace veltra {

// "registro REGISTRO": the register's openings and movements as the interchange CSV.
class RegistroCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("registro"); }
    QString argumentsSynopsis() const override { return QStringLiteral("REGISTRO"); }
    QString description() const override
    {
        return QStringLiteral("i movimenti del registro di contabilità come CSV");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
