// What every command of tessel-cli starts from: the settings the editor
// would have, the texts of the run's language, and the program file read the
// way the editor opens it.
#pragma once

#include "cli/CliConsole.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QString>
#include <QTemporaryFile>
#include <optional>

namespace tessel::cli {

struct CliContext {
    explicit CliContext(CliConsole& console);

    CliConsole& console;
    AppData data;
    // The run's texts: those of the console, so that the exchanges speak the
    // language of every other message.
    LanguageTable texts;
};

// Settings from "app.xml", found where the editor finds them, as the editor
// starts but without a command-line program file.
void initCliContext(CliContext& context);

// Reads the program file named on the command line (relative to the working
// directory; "-" for standard input) into an empty list, through the same
// gate as the editor's Open; the current file name and folder follow it, the
// recent list and "app.xml" stay untouched. On failure prints the language
// file's open failure with the reason the system gives. Returns ExitSuccess
// or ExitFailure.
int readProgramArgument(CliContext& context, const QString& argument);

// The stored form of a path named on the command line: absolute, without the
// settings folder's prefix for files beside "app.xml" (as the open dialog
// gives); no character of the name is changed.
QString programPathFromArgument(const CliContext& context, const QString& argument);

// The file an input argument names: the argument itself, or for "-" a
// temporary file holding standard input (at most MaxStandardInputBytes).
// Nothing, with the reason printed, when standard input is too large or
// cannot be read.
constexpr qint64 MaxStandardInputBytes = qint64(64) << 20;
std::optional<QString> inputFile(CliConsole& console, const QString& argument, QTemporaryFile& standardInput);

// The system's reason why the file cannot be opened for reading, or empty
// when it can.
QString openFailureReason(const QString& path);

} // namespace tessel::cli
