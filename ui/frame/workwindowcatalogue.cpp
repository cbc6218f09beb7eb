#include "ui/frame/workwindowcatalogue.h"

#include <algorithm>
#include <array>

namespace veltra {

namespace {

const QString spesePrefix = QStringLiteral("Veltra-spese-");
const QString datiPrefix = QStringLiteral("Veltra-dati-");
const QString avvisiPrefix = QStringLiteral("Veltra-avvisi-");
const QList<int> libraryButtons = {1, 2, 18, 19};
const QList<int> textButtons = {1, 2, 3, 18, 19};

WorkWindowInfo info(int number, const char *name, const char *selfName, const char *caption,
                    const QString &prefix, const QList<int> &disabled, bool textWindow,
                    bool misspelt)
{
    const QString self = QString::fromUtf8(selfName);
    return {QString::fromUtf8(name),
            QStringLiteral("Finestra ") + self,
            QString::fromUtf8(caption),
            QStringLiteral("Fi&nestra n.%1 di %2").arg(number).arg(WorkWindowCount),
            QStringLiteral("guida") + QString::fromUtf8(name),
            self,
            prefix,
            disabled,
            textWindow,
            misspelt};
}

const std::array<WorkWindowInfo, WorkWindowCount> &catalogue()
{
    static const std::array<WorkWindowInfo, WorkWindowCount> windows = {
        info(1, "dati", "Dati", "Veltra: tabella dati dei condomini", datiPrefix, {}, false, false),
        info(2, "spese", "Spese", "Veltra: ripartizione delle spese", spesePrefix, {}, false, false),
        info(3, "conduttore", "Conduttore",
             "Veltra: ripartizione delle spese tra locatore e conduttore", datiPrefix,
             libraryButtons, false, false),
        info(4, "pagamenti", "Pagamenti", "Veltra: pagamenti delle spese", spesePrefix, {}, false,
             true),
        info(5, "assemblea", "Assemblea", "Veltra: assemblea di condominio", spesePrefix,
             libraryButtons, false, false),
        info(6, "convocazione", "Convocazione",
             "Veltra: avviso di convocazione dell'assemblea dei condomini", avvisiPrefix, {},
             false, false),
        info(7, "sentenze", "Sentenze", "Veltra: sentenze", datiPrefix, libraryButtons, false,
             false),
        info(8, "regolamento", "Regolamento", "Veltra: regolamento di condominio", QString(),
             textButtons, true, true),
        info(9, "modelli", "Modelli", "Veltra: modelli per il condominio", QString(), textButtons,
             true, true),
        info(10, "anagrafe", "Anagrafe", "Veltra: anagrafe condominiale", QString(), {3}, false,
             false),
        info(11, "seduta", "Seduta", "Veltra: seduta dell'assemblea dei condomini",
             QStringLiteral("Veltra-seduta-"), {}, false, false),
        info(12, "contabilita", "Contabilità", "Veltra: registro di contabilità", QString(), {3}, false, false),
    };
    return windows;
}

} // namespace

const WorkWindowInfo &workWindowInfo(int k)
{
    return catalogue().at(std::clamp(k, 1, WorkWindowCount) - 1);
}

} // namespace veltra
