#include "cli/CliDevice.h"

#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "device/ExchangeHost.h"
#include "device/HidapiTransport.h"
#include "files/FileMessages.h"
#include "model/AppData.h"

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
      "                        packet K on), unplug-after=K (vanishes at data packet K);\n"
      "                        may be given more than once\n"
      "  --sim-latency MS      the simulated badge answers each report after MS ms\n";

const std::vector<CliOption>& DeviceOptionList()
{
    static const std::vector<CliOption> options = {
        { { QStringLiteral("device") }, QStringLiteral("usb|sim") },
        { { QStringLiteral("device-path") }, QStringLiteral("PATH") },
        { { QStringLiteral("sim-dump") }, QStringLiteral("FILE") },
        { { QStringLiteral("sim-log") }, QStringLiteral("FILE") },
        { { QStringLiteral("sim-fault") }, QStringLiteral("KIND"), Repeat::Many },
        { { QStringLiteral("sim-latency") }, QStringLiteral("MS") },
    };
    return options;
}

bool deviceOptionGiven(const CliCall& call)
{
    return std::any_of(DeviceOptionList().begin(), DeviceOptionList().end(),
        [&call](const CliOption& option) { return call.isSet(option.names.first()); });
}

std::optional<DeviceOptions> deviceOptions(const CliCall& call)
{
    DeviceOptions options;
    SimTiming timing = SimTiming::OnTime;
    if (call.isSet(QStringLiteral("device"))) {
        const QString value = call.value(QStringLiteral("device"));
        if (value == QLatin1String("usb")) {
            options.kind = DeviceKind::Usb;
        } else if (value == QLatin1String("sim")) {
            options.kind = DeviceKind::Simulator;
        } else {
            badValue(call, QStringLiteral("device"), QStringLiteral("usb, sim"));
            return std::nullopt;
        }
    }
    options.devicePath = call.value(QStringLiteral("device-path"));
    options.simDump = call.value(QStringLiteral("sim-dump"));
    options.simLog = call.value(QStringLiteral("sim-log"));
    for (const QString& fault : call.values(QStringLiteral("sim-fault"))) {
        if (!applySimFault(fault, options, timing)) {
            call.console.error(CliMessage::BadValue,
                { QStringLiteral("--sim-fault"), fault,
                    QStringLiteral("silent, late, bad-crc, refuse, reject, stop-after=K, unplug-after=K") });
            return std::nullopt;
        }
    }
    bool bad = false;
    if (const auto ms = numberOption(call, QStringLiteral("sim-latency"), 0, MaxLatencyMs, &bad))
        options.simLatency = AnswerDelay(*ms);
    if (bad)
        return std::nullopt;
    if (timing == SimTiming::Late)
        options.simLatency = std::max(options.simLatency, LateAnswer);
    if (options.kind == DeviceKind::Usb) {
        for (const char* simulatorOption : { "sim-dump", "sim-log", "sim-fault", "sim-latency" }) {
            if (call.isSet(QLatin1String(simulatorOption))) {
                call.console.error(
                    CliMessage::NeedsSimulator, { typedOption(QLatin1String(simulatorOption)) });
                return std::nullopt;
            }
        }
    }
    if (options.kind == DeviceKind::Simulator && call.isSet(QStringLiteral("device-path"))) {
        call.console.error(
            CliMessage::Conflict, { QStringLiteral("--device-path"), QStringLiteral("--device sim") });
        return std::nullopt;
    }
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

bool CliDevice::writeSimulatorFiles(const CliConsole& console) const
{
    if (simulator_ == nullptr)
        return true;
    const auto write = [&console](const QString& path, const QByteArray& bytes) {
        return path.isEmpty() || writeOutputFile(console, path, bytes);
    };
    const bool dumped = write(options_.simDump, simulator_->receivedImage());
    const bool logged = write(options_.simLog, PacketLog(simulator_->recordedPackets()));
    return dumped && logged;
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
