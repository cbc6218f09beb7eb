#include "library/rulings/rulingtopics.h"

#include <array>

namespace veltra::RulingTopics {

QString title(int t)
{
    static const std::array<const char *, Count> titles = {
        "Abbaini, mansarde, tetto",
        "Abitabilità",
        "Abuso",
        "Acqua potabile",
        "Amministratore",
        "Animali",
        "Antenna",
        "Appalto",
        "Ascensore",
        "Assemblea",
        "Assicurazione",
        "Automezzi",
        "Azioni giudiziarie",
        "Balconi",
        "Barriere architettoniche",
        "Canne fumarie",
        "Compravendita, proprietà, locazioni",
        "Danni, difetti e riparazioni",
        "Distanze",
        "Facciate dell'edificio",
        "Fognature e pluviali",
        "Giardini, cortili, viali, passi carrabili",
        "Impermeabilizzazioni",
        "Innovazioni, sopraelevazioni",
        "Lastrico solare, terrazza",
        "Portierato",
        "Responsabilità civile, immissioni moleste",
        "Ripartizione delle spese",
        "Riscaldamento centrale",
        "Scale",
        "Soffitti, volte e solai",
        "Spese amministrative, spese urgenti",
        "Suolo, recinzioni, muri, intercapedini",
        "Tabelle millesimali, revisione, regolamento",
        "Usufrutto, usucapione",
        "Varie (comunione, conto corrente)",
    };
    if (t < 1 || t > Count)
        return QString();
    return QString::fromUtf8(titles.at(t - 1));
}

} // namespace veltra::RulingTopics
