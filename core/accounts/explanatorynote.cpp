#include "core/accounts/explanatorynote.h"

namespace veltra {

QStringList ExplanatoryNote::defaultCriterion()
{
    return {QStringLiteral("Il rendiconto è tenuto per cassa: le entrate e le uscite sono registrate alla data in cui "
                           "il denaro è effettivamente entrato o uscito dai conti del condominio. Le quote dovute dai "
                           "condomini e le fatture non ancora pagate compaiono nel riepilogo come crediti e debiti, "
                           "così che ciascuno possa verificare subito quanto doveva, quanto ha versato e quanto "
                           "resta da versare.")};
}

} // namespace veltra
