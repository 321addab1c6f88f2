// The badge a device command of tessel-cli talks to: the real one over USB
// (--device usb, the default; --device-path PATH picks one of several) or the
// simulated one (--device sim), which can be told to misbehave (--sim-fault
// KIND) and to answer after a delay (--sim-latency MS), and whose received
// image (--sim-dump FILE) and packet log (--sim-log FILE) can be written out
// after the exchange.
#pragma once

#include "cli/CliCommand.h"
#include "device/BadgeSimulator.h"
#include "device/HidLink.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tessel::cli {

enum class DeviceKind { Usb, Simulator };

struct DeviceOptions {
    DeviceKind kind = DeviceKind::Usb;
    QString devicePath; // empty: the first badge found
    QString simDump;
    QString simLog;
    BadgeScreen simScreen;
    BadgeFaults simFaults;
    AnswerDelay simLatency { 0 };
};

// The help text of the options above, one option a line.
extern const char* const DeviceOptionsHelp;

// The declarations of the options above.
const std::vector<CliOption>& DeviceOptionList();

// The device options of the call; prints the reason and gives nothing on
// bad usage.
std::optional<DeviceOptions> deviceOptions(const CliCall& call);
// Whether any device option was given.
bool deviceOptionGiven(const CliCall& call);

class CliDevice {
public:
    explicit CliDevice(const DeviceOptions& options);
    ~CliDevice();
    CliDevice(const CliDevice&) = delete;
    CliDevice& operator=(const CliDevice&) = delete;

    DeviceLink& link() { return *link_; }
    // Writes the files --sim-dump and --sim-log asked for; prints the reason
    // and returns false when one cannot be written.
    bool writeSimulatorFiles(const CliConsole& console) const;

private:
    DeviceOptions options_;
    std::unique_ptr<HidTransport> transport_;
    BadgeSimulator* simulator_ = nullptr; // the transport when simulated
    QObject window_; // receives the reader thread's replies
    std::unique_ptr<HidLink> link_;
};

// One line per packet: "> " and the hex bytes of a packet to the badge,
// "< " for one from it.
QByteArray PacketLog(const std::vector<RecordedPacket>& packets);

} // namespace tessel::cli
