#include "cli/CliCommand.h"

namespace tessel::cli {

std::vector<CliCommand>& cliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

int CliCall::usageError(CliMessage message, const QStringList& values) const
{
    console.error(message, values);
    return ExitUsage;
}

QString typedOption(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace tessel::cli
