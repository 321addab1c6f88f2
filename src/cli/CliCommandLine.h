// The command line of tessel-cli read against the commands' declarations:
// GNU-style options (--opt=value, --opt value, -oFILE, -o FILE, "--" ending
// the options), help texts, and usage errors that name the bad word.
#pragma once

#include "cli/CliConsole.h"

#include <QStringList>

namespace tessel::cli {

// Runs the command the arguments (without the program's name) name, or
// prints the help they ask for; returns the exit status.
int runCommandLine(QStringList args, CliConsole& console);

// "tessel-cli --version" in the GNU form: name, version, copyright, licence.
QString versionText();

} // namespace tessel::cli
