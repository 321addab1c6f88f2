// A simulated badge behind the HID transport interface. It plays the badge's
// side of every command, checks each packet it receives (report length and
// identifier, checksum, parameter length, zero fill, data packet sizes and
// order), counting and describing every fault, reassembles the device image
// from the data packets, and can be told to misbehave. Tests and
// "tessel-cli --device sim" talk to it instead of a real badge.
//
// Thread-safe: writes arrive on the owner's thread while a reader thread
// waits in read().
#pragma once

#include "device/HidTransport.h"
#include "device/Packet.h"

#include <QByteArray>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace tessel {

// What the badge tells in its handshake answer.
struct BadgeScreen {
    uint8_t rows = 12;
    uint8_t fullBytes = 6;
    uint8_t extraBits = 0;
    uint8_t extraPlanes = 0;
    uint8_t acceptance = 1; // answer byte 12; 0 rejects the badge
    uint8_t version = 0x10; // answer byte 13; below 0x10 rejects the badge
};

// Ways to misbehave; the default badge behaves.
struct BadgeFaults {
    bool silent = false; // answers nothing
    bool late = false; // keeps its answers back until releaseLateReplies()
    int damagedReplies = 0; // the next n answers carry a wrong checksum
    bool answerTwice = false; // every answer arrives twice
    bool refuseTransfer = false; // begin-transfer answer with byte 3 = 1
    int silentFromDataPacket = -1; // no answer from data packet k on, nor to anything after it
    int unplugAtDataPacket = -1; // vanishes as data packet k is written
    int failWritesFrom = -1; // write k of an open (0 = the handshake) and every later one fails
};

// How long the badge takes to answer a report, as a USB link would.
using AnswerDelay = std::chrono::milliseconds;

enum class Attachment { Attached, Absent, NoAccess };
enum class PacketRecording { Off, On };
enum class PacketDirection { ToBadge, FromBadge };

struct RecordedPacket {
    PacketDirection direction;
    QByteArray bytes; // the 64-byte packet (a report without its identifier byte)
};

class BadgeSimulator final : public HidTransport {
public:
    BadgeSimulator() = default;

    LinkOpenResult open(uint16_t vendorId, uint16_t productId) override;
    int write(std::span<const uint8_t> report) override;
    int read(std::span<uint8_t> buffer, int timeoutMs) override;
    void close() override;

    void setScreen(const BadgeScreen& screen);
    // The parameters answered to "get screen parameters"; "set screen
    // parameters" replaces them.
    void setScreenParameters(const ScreenParameterBytes& parameters);
    ScreenParameterBytes screenParameters() const;
    void setFaults(const BadgeFaults& faults);
    // Every answer can be read only this long after the report that drew it
    // (none by default).
    void setAnswerDelay(AnswerDelay delay);
    void setAttachment(Attachment attachment);
    void setPacketRecording(PacketRecording recording);
    // Vanishes now: every later write and read of the open device fails.
    void unplug();
    // Lets the answers kept back by a late badge arrive.
    void releaseLateReplies();

    bool isOpen() const;
    int openCount() const;
    int writeCount() const; // all writes that reached the badge, failed ones included
    // Codes of the well-formed packets received, in order.
    std::vector<uint8_t> commandsReceived() const;
    // The checks that failed, one line each.
    QStringList faults() const;
    int faultCount() const;
    std::vector<RecordedPacket> recordedPackets() const;
    std::optional<uint8_t> brightness() const; // the last value of command 0x0A
    std::optional<uint8_t> chargeIcon() const; // the last value of command 0x0C

    // The image of the last transfer as far as it arrived.
    QByteArray receivedImage() const;
    uint32_t announcedLength() const;
    int announcedPackets() const;
    // True when every data packet of the last announced transfer arrived.
    bool transferComplete() const;

private:
    using Clock = std::chrono::steady_clock;
    struct Answer {
        QByteArray bytes;
        Clock::time_point due; // readable from then on
    };

    std::optional<QByteArray> answer(std::span<const uint8_t, PacketSize> packet);
    QByteArray answerDataPacket(std::span<const uint8_t, PacketSize> packet);
    void checkLayout(std::span<const uint8_t, PacketSize> packet);
    QByteArray reply(uint8_t code, std::initializer_list<uint8_t> parameters, int parameterOffset = 3);
    void queue(QByteArray reply);
    void fault(const QString& text);

    mutable std::mutex mutex_;
    std::condition_variable replyReady_;

    BadgeScreen screen_;
    ScreenParameterBytes parameters_;
    BadgeFaults faults_;
    Attachment attachment_ = Attachment::Attached;
    PacketRecording recording_ = PacketRecording::Off;
    AnswerDelay answerDelay_ { 0 };

    bool open_ = false;
    bool unplugged_ = false;
    bool stopped_ = false; // reached silentFromDataPacket
    bool handshakeSeen_ = false;
    uint8_t hostId_ = 0;
    int openCount_ = 0;
    int writesThisOpen_ = 0;
    int writeCount_ = 0;
    std::deque<Answer> ready_;
    std::deque<Answer> held_; // kept back by a late badge

    std::vector<uint8_t> commands_;
    QStringList faultLog_;
    std::vector<RecordedPacket> recorded_;
    std::optional<uint8_t> brightness_;
    std::optional<uint8_t> chargeIcon_;

    bool transferOpen_ = false;
    uint32_t announcedLength_ = 0;
    int announcedPackets_ = 0;
    int highestIndex_ = -1;
    std::vector<bool> packetArrived_;
    QByteArray image_;
};

} // namespace tessel
