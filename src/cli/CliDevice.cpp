#include "cli/CliDevice.h"

#include "cli/CliOptions.h"
#include "device/HidapiTransport.h"

#include <QSaveFile>

namespace tessel::cli {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    printError(QStringLiteral("cannot write '%1'").arg(path));
    return false;
}

} // namespace

std::optional<DeviceOptions> takeDeviceOptions(QStringList& args)
{
    DeviceOptions options;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--device") && hasValue) {
            const QString& kind = args[++i];
            if (kind == QLatin1String("usb")) {
                options.kind = DeviceKind::Usb;
            } else if (kind == QLatin1String("sim")) {
                options.kind = DeviceKind::Simulator;
            } else {
                printError(QStringLiteral("--device wants usb or sim: '%1'").arg(kind));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--sim-dump") && hasValue) {
            options.simDump = args[++i];
        } else if (arg == QLatin1String("--sim-log") && hasValue) {
            options.simLog = args[++i];
        } else if (arg == QLatin1String("--device") || arg == QLatin1String("--sim-dump")
            || arg == QLatin1String("--sim-log")) {
            printError(QStringLiteral("%1 wants a value").arg(arg));
            return std::nullopt;
        } else {
            rest.append(arg);
        }
    }
    if (options.kind == DeviceKind::Usb && !(options.simDump.isEmpty() && options.simLog.isEmpty())) {
        printError(QStringLiteral("--sim-dump and --sim-log need --device sim"));
        return std::nullopt;
    }
    args = rest;
    return options;
}

CliDevice::CliDevice(const DeviceOptions& options)
    : options_(options)
{
    if (options.kind == DeviceKind::Simulator) {
        auto simulator = std::make_unique<BadgeSimulator>();
        simulator->setPacketRecording(options.simLog.isEmpty() ? PacketRecording::Off : PacketRecording::On);
        simulator_ = simulator.get();
        transport_ = std::move(simulator);
    } else {
        transport_ = std::make_unique<HidapiTransport>();
    }
    link_ = std::make_unique<HidLink>(*transport_, &window_);
}

CliDevice::~CliDevice()
{
    link_.reset(); // the reader ends before the transport goes
}

bool CliDevice::writeSimulatorFiles() const
{
    if (simulator_ == nullptr)
        return true;
    bool written = true;
    if (!options_.simDump.isEmpty())
        written = writeFile(options_.simDump, simulator_->receivedImage()) && written;
    if (!options_.simLog.isEmpty())
        written = writeFile(options_.simLog, PacketLog(simulator_->recordedPackets())) && written;
    return written;
}

QByteArray PacketLog(const std::vector<RecordedPacket>& packets)
{
    QByteArray log;
    for (const RecordedPacket& packet : packets) {
        log += packet.direction == PacketDirection::ToBadge ? "> " : "< ";
        log += packet.bytes.toHex(' ');
        log += '\n';
    }
    return log;
}

} // namespace tessel::cli
