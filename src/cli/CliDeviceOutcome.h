// How a device command of tessel-cli ends: the outcome in the language
// table's words, on standard error (an outcome unless quiet, a failure
// always), and the exit status.
#pragma once

#include "cli/CliConsole.h"
#include "device/ExchangeResult.h"
#include "device/HidTransport.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"

namespace tessel::cli {

// The udev rule that gives the user at the desktop the badge.
extern const char* const UdevRule;

enum class ExchangeKind { Send, ScreenParameters };

// Prints the outcome and returns ExitSuccess or ExitFailure. A badge that is
// attached but not accessible is told apart from a missing one.
int finishExchange(
    const CliConsole& console, ExchangeKind kind, ExchangeResult result, LinkOpenResult openResult);

// When the build stopped at a program of more frames than its header can
// count, names that program on stderr; true then.
bool printTooManyFrames(const CliConsole& console, const AppData& data, const DeviceImageBuild& build);

} // namespace tessel::cli
