#pragma once

#include "core/accounts/finalaccount.h"
#include "core/accounts/yearend.h"

#include <QObject>

namespace veltra {

class AccountsYear;
class Platform;
class SharedState;

// The rendiconto of the register open in the accounts window, as its tabs edit it: the
// inputs read beside the register, written at every change, and the year's closing and
// reopening. The tabs change the inputs only through save, which tells the user when the
// file cannot take a text or the year is closed; inputsSaved and closingChanged let every
// tab show the figures again.
class YearEndEditor : public QObject
{
    Q_OBJECT

public:
    YearEndEditor(Platform &platform, const SharedState &state, AccountsYear &year);

    // Reads the inputs of the year just opened; false, with the user told why, when their
    // file cannot be read whole (the tabs then change nothing).
    bool load();
    void clear();
    bool isLoaded() const { return m_loaded; }
    bool isClosed() const;

    const FinalAccountInputs &inputs() const { return m_yearEnd.inputs(); }
    FinalAccount figures() const;
    const AccountsYear &year() const { return m_year; }

    // Writes changed; false, with the user told why, when it is not written.
    bool save(const FinalAccountInputs &changed);
    // Keeps the closing balance of a bank statement read into the register, unless it falls
    // after the year or one of a later day is kept already; the user is told when it cannot.
    void keepStatement(const StatementBalance &balance);
    // Tells the user why what he typed is not taken.
    void refuse(const QString &text) const;

    // Asks before closing the year; true once it is closed and its balances carried.
    bool closeYear();
    // Asks whether to open the closed year again.
    bool confirmReopening() const;
    // Opens the closed year again for reason, recorded with today's date.
    bool reopenYear(const QString &reason);

    // "Esercizio aperto", or "Esercizio chiuso il" and the day of the last closing.
    QString stateText() const;
    // Why a control of a closed year is greyed out, shown in place of its tool-tip.
    QString closedReason() const;

signals:
    void inputsSaved();
    void closingChanged();

private:
    Platform &m_platform;
    const SharedState &m_state;
    AccountsYear &m_year;
    YearEnd m_yearEnd;
    bool m_loaded = false;
};

} // namespace veltra
