#pragma once

#include "toolcommand.h"

namespace veltra {

// "seduta --dati DATI --avviso AVVISI --presenze PRESENZE.csv --voti VOTI.csv --data GG/MM/AAAA
// [--seconda] [--luogo TESTO | --piattaforma TESTO] [--presidente NOME] [--segretario NOME]
// [--apertura HH:MM] [--chiusura HH:MM]": writes the meeting held on that day, with the
// notice's agenda and the attendance and votes collected on paper, as the file
// "Veltra-seduta-NAME- AAAA-MM-GG" beside the notice, ready for its minutes and register.
class SedutaCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("seduta"); }
    QString argumentsSynopsis() const override
    {
        return QStringLiteral("--dati DATI --avviso AVVISI --presenze PRESENZE.csv --voti VOTI.csv "
                              "--data GG/MM/AAAA [--seconda] [--luogo TESTO | --piattaforma TESTO] "
                              "[--presidente NOME] [--segretario NOME] [--apertura HH:MM] [--chiusura HH:MM]");
    }
    QString description() const override
    {
        return QStringLiteral("file di una seduta dalle presenze e dai voti raccolti su carta");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;
};

} // namespace veltra
