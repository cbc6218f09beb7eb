#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class AccountsYear;
class SharedState;
class ToolCommand;

// A register of movements read whole, with the condominium archive beside it (the file
// "Veltra-dati-" and the condominium's name the register names) and the year's expenses.
class AccountsLoader
{
public:
    // ExitSuccess when year holds the register; otherwise the exit code after one line on
    // err. What opening brought in step is told on err, one line each.
    static int load(const QString &commandName, const QString &registerPath, SharedState &state,
                    AccountsYear &year, QTextStream &err);
    // The same for command given exactly count arguments, the register first; a wrong count
    // is told with the command's usage line.
    static int load(const ToolCommand &command, const QStringList &arguments, int count, SharedState &state,
                    AccountsYear &year, QTextStream &err);
    // The bytes of a file the command reads; false after the line naming it on err.
    static bool readInput(const QString &path, QByteArray &bytes, QTextStream &err);
    // The command's usage line on err; ExitBadArguments.
    static int usage(const ToolCommand &command, QTextStream &err);
    // The register at registerPath, or a new one, of the condominium and year its name
    // gives, for the archive at archivePath (empty: the one beside it).
    static int loadOrBegin(const QString &commandName, const QString &registerPath,
                           const QString &archivePath, SharedState &state, AccountsYear &year,
                           QTextStream &err);
};

} // namespace veltra
