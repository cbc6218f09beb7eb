#include "core/accounts/finalaccountinputs.h"

namespace veltra {

FinalAccountInputs FinalAccountInputs::defaults(const QString &condoName, int year)
{
    FinalAccountInputs inputs;
    inputs.condoName = condoName;
    inputs.year = year;
    inputs.note.criterion = ExplanatoryNote::defaultCriterion();
    inputs.funds << FundAccount{specialFundName(), 0, 0};
    return inputs;
}

QString FinalAccountInputs::specialFundName()
{
    return QStringLiteral("Fondo speciale (art. 1135, n. 4, c.c.)");
}

int FinalAccountInputs::fundOf(int movement) const
{
    const int fund = fundOfMovement.value(movement, 1);
    return fund >= 1 && fund <= funds.size() ? fund : 1;
}

const StatementBalance *FinalAccountInputs::statementOf(const QString &account) const
{
    for (const StatementBalance &balance : statementBalances) {
        if (balance.account == account)
            return &balance;
    }
    return nullptr;
}

} // namespace veltra
