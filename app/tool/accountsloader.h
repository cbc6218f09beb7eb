#pragma once

#include <QString>
#include <QTextStream>

namespace veltra {

class AccountsYear;
class SharedState;

// A register of movements read whole, with the condominium archive beside it (the file
// "Veltra-dati-" and the condominium's name the register names) and the year's expenses.
class AccountsLoader
{
public:
    // ExitSuccess when year holds the register; otherwise the exit code after one line on
    // err. What opening brought in step is told on err, one line each.
    static int load(const QString &commandName, const QString &registerPath, SharedState &state,
                    AccountsYear &year, QTextStream &err);
    // The register at registerPath, or a new one, of the condominium and year its name
    // gives, for the archive at archivePath (empty: the one beside it).
    static int loadOrBegin(const QString &commandName, const QString &registerPath,
                           const QString &archivePath, SharedState &state, AccountsYear &year,
                           QTextStream &err);
};

} // namespace veltra
