#include "support/toolprocess.h"

#include <QProcess>

namespace veltra {

ToolRun runTool(const QString &toolPath, const QStringList &arguments, int waitMs)
{
    QProcess process;
    process.start(toolPath, arguments);
    ToolRun run;
    if (!process.waitForFinished(waitMs))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace veltra
