#pragma once

#include "core/accounts/closingevent.h"
#include "core/accounts/explanatorynote.h"
#include "core/accounts/fundaccount.h"
#include "core/accounts/statementbalance.h"

#include <QList>
#include <QMap>
#include <QString>

namespace veltra {

// What the administrator adds to the register to draw up the year's rendiconto: the note,
// the funds, the banks' balances at the close and the record of closings and reopenings.
struct FinalAccountInputs
{
    QString condoName;
    int year = 0;
    ExplanatoryNote note;
    QList<FundAccount> funds;        // the first is the special fund of art. 1135, n. 4
    QMap<int, int> fundOfMovement;   // movement number -> fund from 1; absent: the first
    QList<StatementBalance> statementBalances;
    QList<ClosingEvent> history;

    // The inputs of a year nobody has written yet: the default criterion and the special fund.
    static FinalAccountInputs defaults(const QString &condoName, int year);
    static QString specialFundName();

    // The fund (from 1) a movement of the cause "fondo" belongs to.
    int fundOf(int movement) const;
    const StatementBalance *statementOf(const QString &account) const;
};

} // namespace veltra
