#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace veltra {

// The exit codes of veltra-tool.
enum ToolExit {
    ExitSuccess = 0,      // done; for "verifica" also: the data pass the check
    ExitDataRejected = 1, // the data fail the check or the computation stops on them
    ExitBadArguments = 2,
    ExitUnreadableFile = 3
};

// ": " and the cause of a failed reading, when one is known.
inline QString causeText(const QString &problem)
{
    return problem.isEmpty() ? QString() : QStringLiteral(": ") + problem;
}

// The error line for a file that could not be opened.
inline QString notOpenedLine(const QString &path, const QString &problem)
{
    return QStringLiteral("veltra-tool: impossibile aprire il file \"%1\"%2\n")
        .arg(path, causeText(problem));
}

// One subcommand of veltra-tool ("millesimi", "verifica"…): it takes the arguments after
// its name, writes its result on out and its single error line on err.
class ToolCommand
{
public:
    virtual ~ToolCommand() = default;
    virtual QString name() const = 0;
    // The arguments after the name, as the usage line shows them: "FILE".
    virtual QString argumentsSynopsis() const = 0;
    virtual QString description() const = 0;
    virtual int run(const QStringList &arguments, QTextStream &out, QTextStream &err) = 0;
};

} // namespace veltra
