#pragma once

#include <QString>
#include <QTextStream>

#include <optional>

namespace veltra {

class PaymentSeriesLoader;
class StampaCommand;

// The printouts of the payments window, without a window, on an item file of a series
// (the window opens the series and moves to that item):
//   stampa pagamenti FILE       the window printout of the item
//   stampa tuttipagamenti FILE  the same for every item from it to the last
//   stampa solleciti FILE       the reminders to every owner without a payment date
//   stampa ricevute FILE        the receipts to every owner without a payment date
//   stampa schede FILE          the account cards of every owner
//   stampa bilancio FILE        the yearly balance
// Reminders and receipts carry the day's date; the series is never written.
namespace PaymentPrintKinds {

void addTo(StampaCommand &command);

// Opens the series of file and checks that there is something to print, as the window's
// print commands do; ExitSuccess or the exit code after one line on err.
int openPrintable(PaymentSeriesLoader &loader, const QString &file, bool letters,
                  QTextStream &err);

} // namespace PaymentPrintKinds

} // namespace veltra
