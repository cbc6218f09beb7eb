#pragma once

#include <QString>

namespace veltra {

class AccountsRegister;
class FinalAccount;
class ReportDocument;
class SharedState;
struct ExplanatoryNote;

// The year's rendiconto (art. 1130-bis c.c.) as one document to send with the notice of the
// meeting, in four parts each beginning on a page of its own: the register of the year's
// movements, the financial summary with the equation that ties it together, the note that
// explains the management (what the administrator wrote, then what the program finds by
// itself, marked as such) and the stato di ripartizione, each owner against each item.
// The builder prints the figures as they are: whoever calls it refuses figures that cannot
// print.
namespace FinalAccountPrintout {

ReportDocument build(const FinalAccount &figures, const AccountsRegister &accounts, const ExplanatoryNote &note,
                     const SharedState &state);

// Why the rendiconto and the printouts drawn from it are refused: the first of the
// figures' blocking problems, or all of them one a line.
QString refusal(const FinalAccount &figures, bool all);

// The heading of each part, from 1 to 4.
QString partHeading(int part);

// The mark on the sections the program fills in from the figures.
inline const QString ComputedMark = QStringLiteral("[compilato dal programma]");

} // namespace FinalAccountPrintout

} // namespace veltra
