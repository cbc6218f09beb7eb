#pragma once

#include "core/meeting/majorityrule.h"

#include <QString>

namespace veltra {

// One "soglia:" line of the majorities file, the machine-readable form of a matter's
// majority beside its text:
//   prima convocazione: maggioranza degli intervenuti e 1/2 del valore (art. 1136 c. 2 c.c.)
//   ogni convocazione: 4/5 dei partecipanti e 4/5 del valore (art. 1117-ter c.c.)
//   unanimità (…)   nessuna maggioranza (…)
// "prima", "seconda" or "ogni" convocazione; "maggioranza" is more than half, a fraction
// is at least that share; the value part may be left out; the rule applied in brackets.
namespace ThresholdLine {

// Adds what line says to rule; an empty text when it could, else what is wrong with it
// (a line in another form, a call given twice, a rule that mixes kinds).
QString addTo(const QString &line, MajorityRule &rule);

// The line as the file writes it back, one per call (or one for the other kinds).
QStringList linesOf(const MajorityRule &rule);

} // namespace ThresholdLine

} // namespace veltra
