#pragma once

namespace veltra {

class StampaCommand;

// The printouts of a year's rendiconto, without a window, each refused while a figure is
// wrong:
//   stampa rendiconto --dati DATI --spese PRIMA_VOCE [--contabilita REGISTRO]
//                                    the four parts of the rendiconto
//   stampa attestazione N --dati ... owner N's statement of payments and pending lawsuits
//   stampa morosi --dati ...         the owners in arrears, for the creditors who ask
namespace FinalAccountPrintKinds {

void addTo(StampaCommand &command);

} // namespace FinalAccountPrintKinds

} // namespace veltra
