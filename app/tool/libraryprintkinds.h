#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class StampaCommand;

// The printouts of the reference library, without a window and with no condominium loaded:
//   stampa regolamento [--dati DATI]           the draft regulation
//   stampa modelli N [--dati DATI]             letter template N (1 to 70)
//   stampa sentenze T [--da N] [--dati DATI]   rulings N (1 by default) to the last of topic T
// DATI is the folder of the shipped data files.
namespace LibraryPrintKinds {

void addTo(StampaCommand &command);

} // namespace LibraryPrintKinds

} // namespace veltra
