#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class SharedState;

// A condominium archive read whole with the owners' register beside it, for the commands
// on the register. A register that does not match the archive's owners is named on err,
// one line per owner, and kept under the owners' numbers as the window keeps it.
class RegisterLoader
{
public:
    // ExitSuccess when the state holds both (the register may be empty: there is no file
    // yet); otherwise the exit code after one line on err.
    // matches, when given, tells whether every owner of the register matched the archive.
    static int load(const QString &commandName, const QString &archivePath, SharedState &state,
                    QTextStream &err, bool *matches = nullptr);
    // The same for a command given exactly `count` arguments, the first the archive, as
    // its usage line `synopsis` shows them.
    static int load(const QString &commandName, const QString &synopsis,
                    const QStringList &arguments, int count, SharedState &state, QTextStream &err,
                    bool *matches = nullptr);
};

} // namespace veltra
