#include "cli/CliExchange.h"

#include "cli/CliCommand.h"
#include "cli/CliDeviceHost.h"
#include "cli/CliDeviceOutcome.h"
#include "device/SendSession.h"
#include "render/DeviceImage.h"

#include <QEventLoop>
#include <cstdio>
#include <unistd.h>

namespace tessel::cli {

namespace {

bool serialChosen(const CliContext& context)
{
    if (context.data.commType == 0)
        return false;
    context.console.error(CliMessage::SerialChosen, { QString::number(context.data.commType) });
    return true;
}

} // namespace

int runOnDevice(CliContext& context, const DeviceOptions& options, const Exchange& exchange)
{
    if (serialChosen(context))
        return ExitFailure;
    CliDevice device(options);
    return exchange(context, device);
}

int runSendSession(CliContext& context, CliDevice& device, DeviceOperation operation)
{
    const ProgressBar bar = operation == DeviceOperation::Send && isatty(fileno(stderr)) != 0
            && context.console.verbosity() == Verbosity::Normal
        ? ProgressBar::Shown
        : ProgressBar::Hidden;
    CliDeviceHost host(context.console, bar);
    const AppData& data = context.data;
    DeviceImageBuild refused;
    SendSession session(data, context.texts, device.link(), host, [&data, &refused](const ScreenGeometry& geometry) {
        DeviceImageBuild build = BuildDeviceImage(data, geometry, data.paths.dataDir);
        refused.tooManyFramesProgram = build.tooManyFramesProgram;
        refused.framesNeeded = build.framesNeeded;
        return build;
    });
    QEventLoop loop;
    host.onTimer = [&session](int id) { session.OnTimer(id); };
    host.onEnded = [&loop] { loop.quit(); };
    session.RunDeviceCommand(operation);
    if (session.running())
        loop.exec();
    // A file that cannot be written fails the command: no outcome may then
    // tell of success.
    if (!device.writeSimulatorFiles(context.console))
        return ExitFailure;
    printTooManyFrames(context.console, data, refused);
    return finishExchange(context.console, ExchangeKind::Send, session.result(), session.openResult());
}

} // namespace tessel::cli
