#include "cli/CliExchange.h"

#include "cli/CliCommand.h"
#include "cli/CliDeviceHost.h"
#include "cli/CliDeviceOutcome.h"
#include "cli/CliOptions.h"
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
    printError(QStringLiteral("the serial interface is chosen in app.xml (commType %1): nothing was sent")
                   .arg(context.data.commType));
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
    const ProgressBar bar = operation == DeviceOperation::Send && isatty(fileno(stdout)) != 0
        ? ProgressBar::Shown
        : ProgressBar::Hidden;
    CliDeviceHost host(bar);
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
    const bool filesWritten = device.writeSimulatorFiles();
    printTooManyFrames(data, refused);
    const int status
        = finishExchange(context.texts, ExchangeKind::Send, session.result(), session.openResult());
    return filesWritten ? status : ExitFailure;
}

} // namespace tessel::cli
