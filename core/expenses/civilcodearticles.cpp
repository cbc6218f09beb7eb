#include "core/expenses/civilcodearticles.h"

namespace veltra::CivilCodeArticles {

// The article as in force since the condominium reform of 2012 (law 11 December 2012,
// n. 220): lifts beside stairs, units instead of floors.
QString article1124()
{
    return QStringLiteral(
        "ART.1124 - MANUTENZIONE E SOSTITUZIONE DELLE SCALE E DEGLI ASCENSORI - Le scale e gli "
        "ascensori sono mantenuti e sostituiti dai proprietari delle unità immobiliari a cui "
        "servono. La spesa relativa è ripartita tra essi, per metà in ragione del valore delle "
        "singole unità immobiliari e per l'altra metà esclusivamente in misura proporzionale "
        "all'altezza di ciascun piano dal suolo.\nAl fine del concorso nella metà della spesa, "
        "che è ripartita in ragione del valore, si considerano come piani le cantine, i palchi "
        "morti, le soffitte o camere a tetto e i lastrici solari, qualora non siano di "
        "proprietà comune.");
}

QString article1126()
{
    return QStringLiteral(
        "ART.1126 - LASTRICI SOLARI DI USO ESCLUSIVO - Quando l'uso dei lastrici solari o di "
        "una parte di essi non è comune a tutti i condomini, quelli che ne hanno l'uso "
        "esclusivo sono tenuti a contribuire per un terzo nella spesa delle riparazioni o "
        "ricostruzioni del lastrico: gli altri due terzi sono a carico di tutti i condomini "
        "dell'edificio o della parte di questo a cui il lastrico solare serve, in proporzione "
        "del valore del piano o della porzione di piano di ciascuno.");
}

} // namespace veltra::CivilCodeArticles
