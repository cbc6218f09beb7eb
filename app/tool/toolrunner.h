#pragma once

#include "toolcommand.h"

#include <memory>
#include <vector>

namespace veltra {

// Chooses the subcommand named by the first argument and runs it; unknown or missing
// subcommands get one line on err and ExitBadArguments.
class ToolRunner
{
public:
    void add(std::unique_ptr<ToolCommand> command);
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) const;
    // The full usage text, one line per subcommand.
    QString usage() const;

private:
    std::vector<std::unique_ptr<ToolCommand>> m_commands;
};

} // namespace veltra
