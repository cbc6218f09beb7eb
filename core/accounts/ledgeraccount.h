#pragma once

#include <QString>

namespace veltra {

// One of the condominium's accounts: a bank or postal account in its name, or the cash.
struct LedgerAccount
{
    QString name;
    QString iban;              // empty for the cash
    bool cash = false;
    long long openingCents = 0; // the balance on the first day of the financial year
    // How the columns of this bank's statements were last read, so that the next
    // statement is read the same way without asking again.
    QString statementColumns;
};

} // namespace veltra
