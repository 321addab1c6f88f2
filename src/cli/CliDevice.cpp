#include "cli/CliDevice.h"

#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "device/ExchangeHost.h"
#include "device/HidapiTransport.h"

#include <algorithm>
#include <limits>

namespace tessel::cli {

namespace {

constexpr int MaxLatencyMs = 10000;
constexpr int MaxPacketIndex = 65535;
// A late badge answers only after the exchange's time-out has passed.
constexpr AnswerDelay LateAnswer { std::max(HandshakeTimeout, ReplyTimeout) + 100 };

enum class SimTiming { OnTime, Late };

// Applies one --sim-fault value; false for an unknown one.
bool applySimFault(const QString& kind, DeviceOptions& options, SimTiming& timing)
{
    const auto packetAfter = [&kind](QLatin1StringView prefix) -> std::optional<int> {
        if (!kind.startsWith(prefix))
            return std::nullopt;
        return parseNumber(kind.mid(prefix.size()), 0, MaxPacketIndex);
    };
    if (kind == QLatin1String("silent")) {
        options.simFaults.silent = true;
    } else if (kind == QLatin1String("late")) {
        timing = SimTiming::Late;
    } else if (kind == QLatin1String("bad-crc")) {
        options.simFaults.damagedReplies = std::numeric_limits<int>::max();
    } else if (kind == QLatin1String("refuse")) {
        options.simFaults.refuseTransfer = true;
    } else if (kind == QLatin1String("reject")) {
        options.simScreen.acceptance = 0;
    } else if (const auto k = packetAfter(QLatin1StringView("stop-after="))) {
        options.simFaults.silentFromDataPacket = *k;
    } else if (const auto k = packetAfter(QLatin1StringView("unplug-after="))) {
        options.simFaults.unplugAtDataPacket = *k;
    } else {
        return false;
    }
    return true;
}

bool takesValue(const QString& arg)
{
    static const QStringList options = { QStringLiteral("--device"), QStringLiteral("--device-path"),
        QStringLiteral("--sim-dump"), QStringLiteral("--sim-log"), QStringLiteral("--sim-fault"),
        QStringLiteral("--sim-latency") };
    return options.contains(arg);
}

} // namespace

const char* const DeviceOptionsHelp
    = "  --device usb|sim      the badge on USB (default) or the simulated badge\n"
      "  --device-path PATH    the badge at this hidraw path (see 'tessel-cli devices')\n"
      "  --sim-dump FILE       write the image the simulated badge received\n"
      "  --sim-log FILE        write every packet exchanged, one line of hex each\n"
      "  --sim-fault KIND      the simulated badge misbehaves: silent (answers nothing),\n"
      "                        late (answers after the time-out), bad-crc (damages every\n"
      "                        checksum), refuse (refuses the transfer), reject (is not a\n"
      "                        supported badge), stop-after=K (no answer from data\n"
      "                        packet K on), unplug-after=K (vanishes at data packet K)\n"
      "  --sim-latency MS      the simulated badge answers each report after MS ms\n";

std::optional<DeviceOptions> takeDeviceOptions(QStringList& args)
{
    DeviceOptions options;
    QStringList rest;
    SimTiming timing = SimTiming::OnTime;
    bool simulatorOption = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!takesValue(arg)) {
            rest.append(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            printError(QStringLiteral("%1 wants a value").arg(arg));
            return std::nullopt;
        }
        const QString& value = args[++i];
        simulatorOption = simulatorOption || arg.startsWith(QLatin1String("--sim-"));
        if (arg == QLatin1String("--device")) {
            if (value == QLatin1String("usb")) {
                options.kind = DeviceKind::Usb;
            } else if (value == QLatin1String("sim")) {
                options.kind = DeviceKind::Simulator;
            } else {
                printError(QStringLiteral("--device wants usb or sim: '%1'").arg(value));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--device-path")) {
            options.devicePath = value;
        } else if (arg == QLatin1String("--sim-dump")) {
            options.simDump = value;
        } else if (arg == QLatin1String("--sim-log")) {
            options.simLog = value;
        } else if (arg == QLatin1String("--sim-fault")) {
            if (!applySimFault(value, options, timing)) {
                printError(QStringLiteral("--sim-fault wants silent, late, bad-crc, refuse, reject, "
                                          "stop-after=K or unplug-after=K: '%1'")
                               .arg(value));
                return std::nullopt;
            }
        } else {
            const auto ms = parseNumber(value, 0, MaxLatencyMs);
            if (!ms) {
                printError(QStringLiteral("--sim-latency wants milliseconds, 0-%1: '%2'").arg(MaxLatencyMs).arg(value));
                return std::nullopt;
            }
            options.simLatency = AnswerDelay(*ms);
        }
    }
    if (timing == SimTiming::Late)
        options.simLatency = std::max(options.simLatency, LateAnswer);
    if (options.kind == DeviceKind::Usb && simulatorOption) {
        printError(QStringLiteral("the --sim-... options need --device sim"));
        return std::nullopt;
    }
    if (options.kind == DeviceKind::Simulator && !options.devicePath.isEmpty()) {
        printError(QStringLiteral("--device-path names a USB badge; it does not go with --device sim"));
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
        simulator->setScreen(options.simScreen);
        simulator->setFaults(options.simFaults);
        simulator->setAnswerDelay(options.simLatency);
        simulator_ = simulator.get();
        transport_ = std::move(simulator);
    } else {
        transport_ = std::make_unique<HidapiTransport>(options.devicePath.toLocal8Bit().toStdString());
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
        written = writeOutputFile(options_.simDump, simulator_->receivedImage()) && written;
    if (!options_.simLog.isEmpty())
        written = writeOutputFile(options_.simLog, PacketLog(simulator_->recordedPackets())) && written;
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
