// The commands of tessel-cli. Each command lives in its own file and is one
// CliCommandRegistration there: its name, synopsis, help, options and
// arguments, and the function that runs it. The tool's main parses every
// command line from these declarations alone.
#pragma once

#include "cli/CliConsole.h"

#include <QCommandLineParser>
#include <QStringList>
#include <functional>
#include <vector>

namespace tessel::cli {

enum ExitStatus { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Whether a command talks to the badge and so takes the device options.
enum class DeviceUse { None, Badge };

// Whether an option may be given more than once.
enum class Repeat { Once, Many };

struct CliOption {
    QStringList names; // "o" for -o, "screen" for --screen
    QString valueName; // empty for an option without a value
    Repeat repeat = Repeat::Once;
};

// How many arguments a command takes besides its options, and what they are
// called in a message that one is missing.
struct CliArguments {
    int minimum = 0;
    int maximum = 0;
    QString missing; // e.g. "FILE.led"
};

struct CliCall;

struct CliCommand {
    const char* name;
    const char* usage; // the argument synopsis shown in the help text
    // What "tessel-cli COMMAND --help" tells below the synopsis: what the
    // command does and its own options, one a line.
    const char* help = "";
    std::vector<CliOption> options;
    CliArguments arguments;
    // Runs the parsed command; returns an ExitStatus.
    std::function<int(const CliCall& call)> run;
    DeviceUse deviceUse = DeviceUse::None;
};

// One parsed command line.
struct CliCall {
    const CliCommand& command;
    const QCommandLineParser& parser;
    QStringList arguments; // the words that are not options, in order
    CliConsole& console;

    bool isSet(const QString& option) const { return parser.isSet(option); }
    QString value(const QString& option) const { return parser.value(option); }
    QStringList values(const QString& option) const { return parser.values(option); }
    // A usage error: the message, and ExitUsage to return.
    int usageError(CliMessage message, const QStringList& values = {}) const;
};

std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command) { cliCommands().push_back(std::move(command)); }
};

// "-o" or "--screen": an option's name as it is typed.
QString typedOption(const QString& name);

} // namespace tessel::cli
