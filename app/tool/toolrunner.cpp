#include "toolrunner.h"

namespace veltra {

void ToolRunner::add(std::unique_ptr<ToolCommand> command)
{
    m_commands.push_back(std::move(command));
}

QString ToolRunner::usage() const
{
    QString text = QStringLiteral("uso: veltra-tool COMANDO ARGOMENTI\n");
    for (const auto &command : m_commands)
        text += QStringLiteral("  %1 %2\t%3\n")
                    .arg(command->name(), command->argumentsSynopsis(), command->description());
    return text;
}

int ToolRunner::run(const QStringList &arguments, QTextStream &out, QTextStream &err) const
{
    QStringList names;
    for (const auto &command : m_commands)
        names << command->name();
    if (arguments.isEmpty()) {
        err << "veltra-tool: manca il comando (" << names.join(QStringLiteral(", ")) << ")\n";
        return ExitBadArguments;
    }
    if (arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h")) {
        out << usage();
        return ExitSuccess;
    }
    for (const auto &command : m_commands) {
        if (command->name() == arguments.first())
            return command->run(arguments.mid(1), out, err);
    }
    err << "veltra-tool: comando sconosciuto \"" << arguments.first() << "\" (comandi: "
        << names.join(QStringLiteral(", ")) << ")\n";
    return ExitBadArguments;
}

} // namespace veltra
