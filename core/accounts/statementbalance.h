#pragma once

#include <QDate>
#include <QString>

namespace veltra {

// The balance a bank statement gives for one of the condominium's accounts at the close of
// the year, to be set against the register's; a difference must be explained (cheques not
// yet cashed, charges booked later) or the account does not balance.
struct StatementBalance
{
    QString account;   // the account's name in the register
    QDate day;
    long long cents = 0;
    QString explanation;
};

} // namespace veltra
