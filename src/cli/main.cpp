// tessel-cli: the editor's jobs for scripts and terminals, without a window.
#include "TesselVersion.h"
#include "cli/CliCommand.h"
#include "cli/CliDevice.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace tessel::cli;

namespace {

bool isHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

void printUsage()
{
    std::printf("usage: tessel-cli COMMAND [ARGS]\n"
                "       tessel-cli COMMAND --help | --help | --version\n\ncommands:\n");
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
        [](const CliCommand& a, const CliCommand& b) { return std::string_view(a.name) < b.name; });
    for (const auto& command : commands)
        std::printf("  tessel-cli %s %s\n", command.name, command.usage);
    std::printf("\nDEVICE OPTIONS (every command that talks to the badge):\n%s", DeviceOptionsHelp);
    std::printf("\nExit status: 0 success, 1 failure (the reason on stderr), 2 bad usage.\n");
}

void printCommandHelp(const CliCommand& command)
{
    std::printf("usage: tessel-cli %s %s\n", command.name, command.usage);
    if (*command.help != '\0')
        std::printf("\n%s", command.help);
    if (command.deviceUse == DeviceUse::Badge)
        std::printf("\nDEVICE OPTIONS:\n%s", DeviceOptionsHelp);
}

// Scripts run from cron or a service often have no XDG_RUNTIME_DIR, and Qt
// then warns at every start although the tool never uses that folder. Only
// that warning is dropped; every other message reaches standard error.
QtMessageHandler qtHandler = nullptr;

void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}

// Bad usage before a command is known: what was wrong and where help is.
int usageError(const QString& message)
{
    std::fprintf(stderr, "%s\nTry 'tessel-cli --help'.\n", message.toUtf8().constData());
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering needs a GUI application, never a window: use the offscreen
    // platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(filterQtMessages);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("usage: tessel-cli COMMAND [ARGS]"));
    if (isHelp(args.first())) {
        printUsage();
        return ExitSuccess;
    }
    if (args.first() == QLatin1String("--version")) {
        std::printf("tessel-cli %s\n", TESSEL_VERSION);
        return ExitSuccess;
    }
    const QString name = args.takeFirst();
    for (const auto& command : cliCommands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (std::any_of(args.begin(), args.end(), isHelp)) {
            printCommandHelp(command);
            return ExitSuccess;
        }
        const int status = command.run(args);
        if (status == ExitUsage)
            std::fprintf(stderr, "Try 'tessel-cli %s --help'.\n", command.name);
        return status;
    }
    if (name.startsWith(u'-'))
        return usageError(QStringLiteral("tessel-cli: unknown option '%1'").arg(name));
    return usageError(QStringLiteral("tessel-cli: unknown command '%1'").arg(name));
}
