#pragma once

namespace veltra {

class StampaCommand;

// The printouts of the register of movements, without a window:
//   stampa registro REGISTRO        the register, with totals carried page to page
//   stampa estratto REGISTRO N      owner N's statement of account for the year
namespace AccountsPrintKinds {

void addTo(StampaCommand &command);

} // namespace AccountsPrintKinds

} // namespace veltra
