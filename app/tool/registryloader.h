#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

class SharedState;

// What every subcommand on a condominium archive does first: checks that exactly one file
// is named and reads it whole into the state.
class RegistryLoader
{
public:
    // ExitSuccess when the state holds the archive; otherwise the exit code, after one
    // line on err naming the command or the file.
    static int load(const QString &commandName, const QStringList &arguments,
                    SharedState &state, QTextStream &err);
};

} // namespace veltra
