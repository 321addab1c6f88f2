#include "cli/CliCommandLine.h"

#include "TesselVersion.h"
#include "cli/CliCommand.h"
#include "cli/CliDevice.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace tessel::cli {

namespace {

const CliOption HelpOption { { QStringLiteral("h"), QStringLiteral("help") } };
const CliOption QuietOption { { QStringLiteral("q"), QStringLiteral("quiet") } };

const char* const CommonOptionsHelp
    = "  -q, --quiet           no outcome and no progress bar; errors still print\n"
      "  -h, --help            this help\n";

bool isHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

bool isQuiet(const QString& arg)
{
    return arg == QLatin1String("--quiet") || arg == QLatin1String("-q");
}

QString usageText()
{
    QString text = QStringLiteral("usage: tessel-cli [-q] COMMAND [OPTIONS] [ARGUMENTS]\n"
                                  "       tessel-cli COMMAND --help | --help | --version\n\ncommands:\n");
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
        [](const CliCommand& a, const CliCommand& b) { return std::string_view(a.name) < b.name; });
    for (const auto& command : commands)
        text += QStringLiteral("  tessel-cli %1 %2\n")
                    .arg(QLatin1String(command.name), QString::fromUtf8(command.usage));
    text += QStringLiteral("\nOPTIONS (every command):\n") + QString::fromUtf8(CommonOptionsHelp);
    text += QStringLiteral("\nDEVICE OPTIONS (every command that talks to the badge):\n")
        + QString::fromUtf8(DeviceOptionsHelp);
    text += QStringLiteral("\nAn option's value follows it (-o FILE, --screen 12x48) or joins it\n"
                           "(-oFILE, --screen=12x48); -- ends the options; - is standard input.\n"
                           "Exit status: 0 success, 1 failure (the reason on stderr), 2 bad usage.\n"
                           "See tessel-cli(1) for every field of the JSON outputs.\n");
    return text;
}

QString commandHelp(const CliCommand& command)
{
    QString text = QStringLiteral("usage: tessel-cli %1 %2\n")
                       .arg(QLatin1String(command.name), QString::fromUtf8(command.usage));
    if (*command.help != '\0')
        text += u'\n' + QString::fromUtf8(command.help);
    text += QStringLiteral("\nOPTIONS:\n") + QString::fromUtf8(CommonOptionsHelp);
    if (command.deviceUse == DeviceUse::Badge)
        text += QStringLiteral("\nDEVICE OPTIONS:\n") + QString::fromUtf8(DeviceOptionsHelp);
    return text;
}

// The word as typed that holds an unknown option: "-platform" rather than
// the "-p" the parser takes from it.
QString unknownWord(const QString& name, const QStringList& args)
{
    if (name.size() == 1) {
        for (const QString& arg : args) {
            if (arg == QLatin1String("--"))
                break;
            if (arg.startsWith(u'-' + name))
                return arg;
        }
    }
    return typedOption(name);
}

// What the parser found wrong, in the run's language.
int parseError(const QCommandLineParser& parser, const QStringList& args, CliConsole& console)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        console.error(CliMessage::UnknownOption, { unknownWord(unknown.first(), args) });
        return ExitUsage;
    }
    // The parser says which word in its own English words only.
    const QString said = parser.errorText();
    const QRegularExpressionMatch word = QRegularExpression(QStringLiteral("'(.*)'")).match(said);
    if (said.startsWith(QLatin1String("Missing value")) && word.hasMatch())
        console.error(CliMessage::MissingValue, { word.captured(1) });
    else if (said.startsWith(QLatin1String("Unexpected value")) && word.hasMatch())
        console.error(CliMessage::UnexpectedValue, { word.captured(1) });
    else
        console.error(said);
    return ExitUsage;
}

// An option given twice where once is meant, by the name first typed.
std::optional<QString> repeatedOption(const QCommandLineParser& parser, const std::vector<CliOption>& options)
{
    std::map<const CliOption*, int> seen;
    for (const QString& name : parser.optionNames()) {
        const auto option = std::find_if(
            options.begin(), options.end(), [&name](const CliOption& o) { return o.names.contains(name); });
        if (option != options.end() && option->repeat == Repeat::Once && ++seen[&*option] > 1)
            return typedOption(name);
    }
    return std::nullopt;
}

int runCommand(const CliCommand& command, const QStringList& args, CliConsole& console)
{
    const auto optionsEnd = std::find(args.begin(), args.end(), QStringLiteral("--"));
    if (std::any_of(args.begin(), optionsEnd, isHelp)) {
        console.writeText(commandHelp(command));
        return ExitSuccess;
    }
    std::vector<CliOption> options = command.options;
    if (command.deviceUse == DeviceUse::Badge)
        options.insert(options.end(), DeviceOptionList().begin(), DeviceOptionList().end());
    options.push_back(QuietOption);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const CliOption& option : options)
        parser.addOption(QCommandLineOption(option.names, QString(), option.valueName));
    if (!parser.parse(QStringList { QStringLiteral("tessel-cli") } + args))
        return parseError(parser, args, console);
    if (const auto repeated = repeatedOption(parser, options)) {
        console.error(CliMessage::RepeatedOption, { *repeated });
        return ExitUsage;
    }
    if (parser.isSet(QuietOption.names.first()))
        console.setVerbosity(Verbosity::Quiet);
    const QStringList arguments = parser.positionalArguments();
    const CliArguments& wanted = command.arguments;
    if (arguments.size() < wanted.minimum) {
        console.error(CliMessage::MissingArgument, { wanted.missing });
        return ExitUsage;
    }
    if (arguments.size() > wanted.maximum) {
        console.error(CliMessage::UnexpectedArgument, { arguments.at(wanted.maximum) });
        return ExitUsage;
    }
    return command.run(CliCall { command, parser, arguments, console });
}

} // namespace

QString versionText()
{
    return QStringLiteral("tessel-cli (tessel) " TESSEL_VERSION "\n"
                          "Copyright (C) 2026 The Tessel developers\n"
                          "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

int runCommandLine(QStringList args, CliConsole& console)
{
    while (!args.isEmpty() && isQuiet(args.first())) {
        console.setVerbosity(Verbosity::Quiet);
        args.removeFirst();
    }
    const auto tryHelp = [&console](const QString& what) {
        console.error(CliMessage::TryHelp, { what });
        return ExitUsage;
    };
    if (args.isEmpty()) {
        console.error(CliMessage::MissingArgument, { QStringLiteral("COMMAND") });
        return tryHelp(QStringLiteral("tessel-cli"));
    }
    if (isHelp(args.first())) {
        console.writeText(usageText());
        return ExitSuccess;
    }
    if (args.first() == QLatin1String("--version")) {
        console.writeText(versionText());
        return ExitSuccess;
    }
    const QString name = args.takeFirst();
    for (const auto& command : cliCommands()) {
        if (name != QLatin1String(command.name))
            continue;
        const int status = runCommand(command, args, console);
        if (status == ExitUsage)
            tryHelp(QStringLiteral("tessel-cli ") + QLatin1String(command.name));
        return status;
    }
    console.error(name.startsWith(u'-') ? CliMessage::UnknownOption : CliMessage::UnknownCommand, { name });
    return tryHelp(QStringLiteral("tessel-cli"));
}

} // namespace tessel::cli
