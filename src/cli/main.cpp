// tessel-cli: the editor's jobs for scripts and terminals, without a window.
#include "cli/CliCommand.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace tessel::cli;

static void printUsage(FILE* out)
{
    std::fprintf(out, "usage: tessel-cli COMMAND [ARGS]\n\ncommands:\n");
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
        [](const CliCommand& a, const CliCommand& b) { return std::string_view(a.name) < b.name; });
    for (const auto& command : commands)
        std::fprintf(out, "  tessel-cli %s %s\n", command.name, command.usage);
}

int main(int argc, char** argv)
{
    // Rendering needs a GUI application, never a window: use the offscreen
    // platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? ExitUsage : ExitSuccess;
    }
    const QString name = args.takeFirst();
    for (const auto& command : cliCommands())
        if (name == QLatin1String(command.name))
            return command.run(args);
    std::fprintf(stderr, "tessel-cli: unknown command '%s'\n", qPrintable(name));
    printUsage(stderr);
    return ExitUsage;
}
