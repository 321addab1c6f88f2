// tessel-cli list and resave: the program file as the editor reads and saves it.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutputFile.h"
#include "cli/CliProgramJson.h"
#include "cli/CliTerminalText.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"

namespace tessel::cli {

namespace {

// One line per program must stay one line, and no name may drive the
// terminal.
QString oneLine(QString text)
{
    text.replace(u'\t', u' ');
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return escapedControls(text);
}

int runList(const CliCall& call)
{
    CliContext context(call.console);
    initCliContext(context);
    if (const int status = readProgramArgument(context, call.arguments.at(0)); status != ExitSuccess)
        return status;
    if (call.isSet(QStringLiteral("json"))) {
        call.console.writeData(ProgramListJson(context.data));
        return ExitSuccess;
    }
    int index = 0;
    for (const auto& program : context.data.programs)
        call.console.writeText(QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                                   .arg(++index)
                                   .arg(program->check)
                                   .arg(int(program->type))
                                   .arg(oneLine(program->name), oneLine(program->summary)));
    return ExitSuccess;
}

int runResave(const CliCall& call)
{
    CliContext context(call.console);
    initCliContext(context);
    if (const int status = readProgramArgument(context, call.arguments.at(0)); status != ExitSuccess)
        return status;
    const QString target = programPathFromArgument(context, call.arguments.at(1));
    QString reason;
    if (!writeProgramFile(context.data, target, &reason)) {
        printWriteError(call.console, resolveProgramPath(context.data, target), reason);
        return ExitFailure;
    }
    return ExitSuccess;
}

const CliCommandRegistration listRegistration({
    .name = "list",
    .usage = "FILE.led|- [--json]",
    .help = "Prints one line per program: number (from 1), check (1 ticked, 0 not),\n"
            "type (0 text, 1 image, 2 animation, 3 time, 4 count), name and summary,\n"
            "separated by tabs, in the locale's character set; tabs and line ends\n"
            "inside a name become spaces, other control characters escapes (\\e, \\x07).\n"
            "- reads the program file from standard input.\n"
            "  --json    a UTF-8 JSON array, one object per program, with\n"
            "            index      number, 1 ...\n"
            "            checked    boolean, ticked for sending\n"
            "            type       number 0-255 as stored (0-4 as above)\n"
            "            kind       string: text, image, animation, time, count, unknown\n"
            "            name       string\n"
            "            summary    string, the start of the plain text\n"
            "            borderType, borderAspect, borderSpeed, borderColor\n"
            "                       numbers 0-255 as stored (borderType 0: none)\n"
            "            playCount  number 0-255: plays minus one (--loops 1 is 0)\n"
            "          text, image and animation programs add\n"
            "            action     number, entry effect (0-30 for text)\n"
            "            speed      number 0-5: the speed shown 1-6, minus one\n"
            "            stay       number 0-5: the stay time shown 1-6, minus one\n"
            "            exitType   number, exit effect (0-1)\n"
            "          text programs add\n"
            "            arabic     number 0 or 1 (right-to-left text)\n"
            "            yOffset    number: vertical offset in LED rows plus 5\n"
            "            horAlign   number 0 left, 1 centre, 2 right\n"
            "            verAlign   number 0 top, 1 middle, 2 bottom\n"
            "            charSpacing number: s puts s - 1 blank columns after each character\n"
            "            save       string, the formatted text as RTF\n"
            "          image and animation programs add\n"
            "            delBgColor number 0x00BBGGRR: pixels of this colour stay dark\n"
            "            fileName   string, the picture file\n"
            "          See tessel-cli(1).\n",
    .options = { { { QStringLiteral("json") } } },
    .arguments = { 1, 1, QStringLiteral("FILE.led") },
    .run = runList,
});
const CliCommandRegistration resaveRegistration({
    .name = "resave",
    .usage = "IN.led|- OUT.led",
    .help = "Reads a program file as the editor opens it (- for standard input) and\n"
            "writes it as the editor's Save does.\n",
    .arguments = { 2, 2, QStringLiteral("IN.led OUT.led") },
    .run = runResave,
});

} // namespace

} // namespace tessel::cli
