#pragma once

namespace veltra {

class StampaCommand;

// The printouts of the owners' register, without a window, on a condominium archive with
// the register beside it:
//   stampa anagrafe FILE             the register, one owner per page, and the safety list
//   stampa richiesta-dati FILE [N]   the letters asking for what the register lacks
//   stampa informativa FILE          the privacy notice for the owners
namespace RegisterPrintKinds {

void addTo(StampaCommand &command);

} // namespace RegisterPrintKinds

} // namespace veltra
