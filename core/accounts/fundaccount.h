#pragma once

#include <QString>

namespace veltra {

// A fund the condominium keeps aside: the special fund for extraordinary works and
// innovations (art. 1135, n. 4, c.c.) or any reserve the assembly names. The owners fill it
// through an item of the year's expenses, whose amount then goes to the fund instead of to a
// supplier; movements of the cause "fondo" are its other receipts and its uses.
struct FundAccount
{
    QString name;
    long long openingCents = 0;
    int item = 0; // the expense item that collects the owners' contributions, 0 when none
};

} // namespace veltra
