#pragma once

#include "core/accounts/accountsyear.h"
#include "core/accounts/yearend.h"
#include "core/state/sharedstate.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace veltra {

// A year's rendiconto as the tool commands read it: the condominium archive (--dati), the
// first item of the year's expenses (--spese) and the register (--contabilita, by default
// the one beside the archive for the year of the expenses), with the note, the funds and
// the budget beside them.
class FinalAccountLoader
{
public:
    static QString synopsis();

    // ExitSuccess when everything is read; otherwise the exit code after one line on err
    // (the usage line for arguments that are not these options).
    int load(const QString &commandName, const QStringList &arguments, QTextStream &err);

    const SharedState &state() const { return *m_state; }
    AccountsYear &year() { return m_year; }
    YearEnd &yearEnd() { return m_yearEnd; }
    FinalAccount figures() const { return m_yearEnd.figures(m_year, *m_state); }

private:
    int check(const QString &archive, const QString &firstItem, QTextStream &err);

    std::unique_ptr<SharedState> m_state = std::make_unique<SharedState>();
    AccountsYear m_year;
    YearEnd m_yearEnd;
};

} // namespace veltra
