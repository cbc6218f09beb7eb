#pragma once

#include <QString>
#include <QStringList>

namespace veltra {

// One run of the command-line tool, as a user's shell would see it.
struct ToolRun
{
    int exitCode = -1; // -1: did not finish in time; -2: crashed
    QString out;
    QString err;
};

// Runs the tool at toolPath with arguments and waits for it to end, at most waitMs.
ToolRun runTool(const QString &toolPath, const QStringList &arguments, int waitMs = 60000);

#ifdef VELTRA_TOOL_PATH
// Runs the tool the build placed beside the tool's tests.
inline ToolRun runTool(const QStringList &arguments)
{
    return runTool(QStringLiteral(VELTRA_TOOL_PATH), arguments);
}
#endif

} // namespace veltra
