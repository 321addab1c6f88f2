// tessel-cli list and resave: the program file as the editor reads and saves it.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliProgramJson.h"
#include "files/FileMessages.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"

#include <cstdio>

namespace tessel::cli {

namespace {

enum class ListFormat { Lines, Json };

// One line per program must stay one line.
QString oneLine(QString text)
{
    text.replace(u'\t', u' ');
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

int runList(const QStringList& arguments)
{
    QStringList args = arguments;
    const ListFormat format = args.removeAll(QStringLiteral("--json")) > 0 ? ListFormat::Json : ListFormat::Lines;
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fprintf(stderr, "usage: tessel-cli list FILE.led [--json]\n");
        return ExitUsage;
    }
    CliContext context;
    initCliContext(context);
    if (const int status = readProgramArgument(context, args.at(0)); status != ExitSuccess)
        return status;
    if (format == ListFormat::Json) {
        std::fputs(ProgramListJson(context.data).constData(), stdout);
        return ExitSuccess;
    }
    int index = 0;
    for (const auto& program : context.data.programs) {
        const QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                                 .arg(++index)
                                 .arg(program->check)
                                 .arg(int(program->type))
                                 .arg(oneLine(program->name), oneLine(program->summary));
        std::fputs(line.toUtf8().constData(), stdout);
    }
    return ExitSuccess;
}

int runResave(const QStringList& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tessel-cli resave IN.led OUT.led\n");
        return ExitUsage;
    }
    CliContext context;
    initCliContext(context);
    if (const int status = readProgramArgument(context, args.at(0)); status != ExitSuccess)
        return status;
    const QString target = programPathFromArgument(context, args.at(1));
    QString reason;
    if (!writeProgramFile(context.data, target, &reason)) {
        const QString message
            = writeFailedMessage(context.data.lanID, resolveProgramPath(context.data, target), reason);
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        return ExitFailure;
    }
    return ExitSuccess;
}

const CliCommandRegistration listRegistration({ "list", "FILE.led [--json]", runList,
    "Prints one line per program: number, check, type, name and summary,\n"
    "separated by tabs.\n"
    "  --json    an array with one object per program and every field of its kind\n" });
const CliCommandRegistration resaveRegistration({ "resave", "IN.led OUT.led", runResave,
    "Reads a program file as the editor opens it and writes it as the editor's\n"
    "Save does.\n" });

} // namespace

} // namespace tessel::cli
