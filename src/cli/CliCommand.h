// The commands of tessel-cli. Each command lives in its own file and
// registers itself with a static CliCommandRegistration.
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

namespace tessel::cli {

enum ExitStatus { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Whether a command talks to the badge and so takes the device options.
enum class DeviceUse { None, Badge };

struct CliCommand {
    const char* name;
    const char* usage; // the argument synopsis shown in the help text
    // Receives the arguments after the command name; returns an ExitStatus.
    std::function<int(const QStringList& args)> run;
    // What "tessel-cli COMMAND --help" tells below the synopsis: what the
    // command does and its own options, one a line.
    const char* help = "";
    DeviceUse deviceUse = DeviceUse::None;
};

std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command) { cliCommands().push_back(std::move(command)); }
};

} // namespace tessel::cli
