// Running a device command's exchange from tessel-cli: on the badge chosen by
// the device options, with a real event loop, the link's reader thread and
// QTimer window timers.
#pragma once

#include "cli/CliContext.h"
#include "cli/CliDevice.h"
#include "device/DeviceOperation.h"

#include <functional>

namespace tessel::cli {

using Exchange = std::function<int(CliContext& context, CliDevice& device)>;

// Runs the exchange on the device of the options, unless "app.xml" chooses
// the serial interface: then nothing is sent and the command fails.
int runOnDevice(CliContext& context, const DeviceOptions& options, const Exchange& exchange);

// One send session (search, clear, brightness, send of the programs in
// context.data) to its end; prints the outcome and returns the exit status.
// A send draws a progress bar on standard error when it is a terminal and
// the run is not quiet.
int runSendSession(CliContext& context, CliDevice& device, DeviceOperation operation);

} // namespace tessel::cli
