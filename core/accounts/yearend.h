#pragma once

#include "core/accounts/finalaccount.h"
#include "core/accounts/finalaccountinputs.h"
#include "core/accounts/yearseries.h"

#include <QDate>
#include <QString>

#include <optional>

namespace veltra {

class AccountsYear;
class SharedState;

// The end of a financial year as the window and the tool work on it: what the administrator
// added for the rendiconto (read from its file beside the register), the year's budget, the
// figures computed from them, and the closing that carries every balance into the next year.
class YearEnd
{
public:
    // Reads the inputs and the budget beside year's register; false with *problem when the
    // inputs' file is there but cannot be read whole.
    bool load(const AccountsYear &year, QString *problem);

    const FinalAccountInputs &inputs() const { return m_inputs; }
    const YearSeries &budget() const { return m_budget; }
    QString path() const { return m_path; }
    FinalAccount figures(const AccountsYear &year, const SharedState &state) const;

    // The figures of the year before, read without changing a file; none when it has no
    // register or the register cannot be read whole.
    static std::optional<FinalAccount> previousFigures(const AccountsYear &year, const SharedState &state);

    // Writes the note, the funds and the banks' balances; refused while the year is closed.
    bool saveInputs(const AccountsYear &year, const FinalAccountInputs &inputs, QString *error);

    // Keeps a bank statement's balance for its account, unless one of a later day is kept
    // already; refused while the year is closed or when the day is outside the year.
    bool recordStatement(const AccountsYear &year, const StatementBalance &balance, QString *error);

    // Writes each owner's, account's and fund's closing balance as its opening in the next
    // year (whose register and inputs are created when missing) and marks the year closed;
    // refused while a figure is wrong. *nextPath receives the next year's register.
    bool close(AccountsYear &year, const SharedState &state, const QDate &today, QString *error,
               QString *nextPath = nullptr);
    // Opens a closed year again, recording the day and the reason.
    bool reopen(AccountsYear &year, const QString &reason, const QDate &today, QString *error);

private:
    bool carryInputs(const FinalAccount &figures, const QString &nextRegister, QString *error) const;
    bool recordAndMark(AccountsYear &year, const ClosingEvent &event, QString *error);

    FinalAccountInputs m_inputs;
    YearSeries m_budget;
    QString m_path;
};

} // namespace veltra
