#pragma once

#include "core/accounts/accountsregister.h"
#include "core/accounts/yearseries.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace veltra {

class SharedState;

// The register of one financial year as the window and the tool work on it: read from its
// file beside the condominium archive (or begun, when there is none), with the year's
// expense series, following the archive's owners and the series' payment days. Every change
// is written at once: a register entry, once confirmed, is never only in memory.
class AccountsYear
{
public:
    struct Opening
    {
        bool ok = false;
        bool created = false;   // there was no file: the register is new
        QString problem;        // why it cannot be opened, naming the file
        QStringList notices;    // what was brought in step on opening, one line each
    };

    // The register of year for the archive at archivePath, whose owners state holds.
    Opening open(const QString &archivePath, const SharedState &state, int year);
    // The register at path; its archive, beside it, is the one state holds.
    Opening openFile(const QString &path, const SharedState &state);

    AccountsRegister &accounts() { return m_accounts; }
    const AccountsRegister &accounts() const { return m_accounts; }
    const YearSeries &series() const { return m_series; }
    QString path() const { return m_path; }
    QString archivePath() const { return m_archivePath; }
    bool isOpen() const { return !m_path.isEmpty(); }

    // Each writes the series first for a share receipt, then the register; false with
    // *error when either cannot be written (the register in memory is then as before) or
    // the year is closed.
    bool addMovement(AccountMovement movement, QString *error, int *number = nullptr);
    bool replaceMovement(const AccountMovement &movement, QString *error);
    bool removeMovement(int number, QString *error);
    // Adds many at once (an import), with one write of each file.
    bool addMovements(const QList<AccountMovement> &movements, QString *error);
    // Brings in a register kept elsewhere: its accounts (matched by name), its openings and
    // its movements after those held; all or nothing.
    bool merge(const AccountsRegister &incoming, QString *error, int *added = nullptr);
    // Takes the accounts, the first day and the owners' openings of edited, keeping the
    // movements, and writes the register; false with *error, the register then as before.
    bool saveAccounts(const AccountsRegister &edited, QString *error);

    // Marks the year closed or open again and writes the register; false with *error.
    bool setClosed(bool closed, QString *error);

    // The archive beside a register: "Veltra-dati-" and the condominium's name.
    static QString archiveBeside(const QString &registerPath, const QString &condoName);

private:
    Opening openAt(const QString &path, const QString &archivePath, const SharedState &state, int year);
    Opening follow(Opening opening, const SharedState &state);
    void begin(const SharedState &state, int year);
    bool commit(const AccountsRegister &changed, const QList<AccountMovement> &added,
                const QList<AccountMovement> &removed, QString *error);

    AccountsRegister m_accounts;
    YearSeries m_series;
    QString m_path;
    QString m_archivePath;
    QMap<int, QString> m_archiveNames; // the archive's owners when the register was opened
};

} // namespace veltra
