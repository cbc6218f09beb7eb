#pragma once

#include "stampacommand.h"

namespace veltra {

// "stampa guida [PAGINA]": the whole guide, or one page of it given by its row in the
// contents (1 to 15) or its window's name, from the guide file beside the program.
namespace GuidaPrintout {

QString synopsis();
StampaCommand::Builder builder();

} // namespace GuidaPrintout

} // namespace veltra
