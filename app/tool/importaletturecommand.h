#pragma once

#include "toolcommand.h"

namespace veltra {

// "importa-letture ITEM LETTURE.csv": the firm's readings of the period into an item
// allocated by heat meters; the readings file beside the item and the item's shares are
// written again, and the new shares printed as "ripartisci" prints them.
class ImportaLettureCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("importa-letture"); }
    QString argumentsSynopsis() const override { return QStringLiteral("FILE LETTURE.csv"); }
    QString description() const override
    {
        return QStringLiteral("letture dei contatori di calore in una spesa a contabilizzazione");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
