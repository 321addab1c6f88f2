#include "cli/CliCommand.h"

namespace tessel::cli {

std::vector<CliCommand>& cliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

} // namespace tessel::cli
