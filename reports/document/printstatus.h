#pragma once

#include <QString>

namespace veltra {

// The texts a print command writes into its window's step hint: one before the document is
// begun, one once it is complete.
namespace PrintStatus {

inline const QString Loading = QStringLiteral("sto caricando WORD");
inline const QString LoadingForPrint = QStringLiteral("sto caricando WORD per la stampa");
inline const QString LoadingOwnerData =
    QStringLiteral("sto caricando WORD per la stampa dei dati dei condomini");
inline const QString LoadingDataForm =
    QStringLiteral("sto caricando WORD per la stampa del modello di acquisizione dati");
inline const QString LoadingMillesimalTable =
    QStringLiteral("sto caricando Word per la stampa della tabella millesimale");

inline const QString ShownData = QStringLiteral("ho visualizzato i dati su WORD");
inline const QString ShownDocument = QStringLiteral("ho visualizzato il documento su Word");
inline const QString ShownDataForm =
    QStringLiteral("ho visualizzato il modello di acquisizione dei dati");

} // namespace PrintStatus

} // namespace veltra
