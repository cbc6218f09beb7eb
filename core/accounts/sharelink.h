#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace veltra {

class AccountsRegister;
class YearSeries;
struct AccountMovement;

// The owners' payments of their shares live in the expense series, where the payments
// window records the day each owner paid each item; the register shows every one of them
// as a receipt. The series is where they are kept: the register follows it, and a share
// receipt entered in the register is written into the series first.
namespace ShareLink {

// Brings the register's share receipts in step with the series: a payment day of the series
// without its receipt gets one, a receipt whose day or amount differs takes the series',
// a receipt the series no longer records is dropped. Whether anything changed.
bool follow(AccountsRegister &accounts, const YearSeries &series);

// Writes into the series the payment days that the share receipts `added` set and that
// `removed` clear, item file by item file, each whole or not at all; false with *error
// when an item is not in the series or a file cannot be written.
// *wrote, when given, tells whether any item file was written.
bool writeToSeries(const YearSeries &series, const QList<AccountMovement> &added,
                   const QList<AccountMovement> &removed, QString *error, bool *wrote = nullptr);

// "Quota voce 3 - Pulizia scale".
QString description(int item, const QString &itemDescription);

} // namespace ShareLink

} // namespace veltra
