// The steps every exchange with the badge takes alike: open the link and
// write the handshake (timer 1625), write a packet and repeat it on reply
// time-outs (timer 1626, each packet written at most three times), and end:
// close the link, show the outcome (a message box when the setting
// afterExcute is set, otherwise status pane 0 as "\t%s"), arm timer 1624 as
// the exchange asks and enable the tool bar again. The exchanges build the packets and read the
// replies; this part owns the packet being written and where the exchange
// stands.
#pragma once

#include "device/DeviceLink.h"
#include "device/ExchangeHost.h"
#include "device/ExchangeResult.h"
#include "device/Packet.h"

#include <QString>
#include <array>

namespace tessel {

class AppData;
class LanguageTable;

enum class ExchangePhase { Idle, AwaitHandshake, AwaitReply };

// When timer 1624, which empties status pane 0, is armed at the end of an
// exchange: after every outcome (the send session), or only after an
// outcome shown in the status pane (the screen-parameter dialog).
enum class StatusClearing { AfterEveryOutcome, AfterStatusText };

// How an exchange shows its outcome: the language key of a result's text and
// the caption of the message box, read when the outcome is shown.
struct OutcomeTexts {
    QString (*textKey)(ExchangeResult result);
    QString (*caption)(const LanguageTable& texts);
    StatusClearing statusClearing = StatusClearing::AfterEveryOutcome;
};

class ExchangeCore {
public:
    ExchangeCore(const AppData& data, const LanguageTable& texts, DeviceLink& link, ExchangeHost& host,
        OutcomeTexts outcome);
    ExchangeCore(const ExchangeCore&) = delete;
    ExchangeCore& operator=(const ExchangeCore&) = delete;

    ExchangePhase phase() const { return phase_; }
    bool running() const { return phase_ != ExchangePhase::Idle; }
    ExchangeResult result() const { return result_; }
    LinkOpenResult openResult() const { return openResult_; }
    // The packet to build before sendPacket.
    PacketArea packet() { return PacketOfReport(txReport_); }

    // Shows start text msg<index> in status pane 0.
    void showStartText(int index);
    // Opens the link, handing its replies to onReply, and writes the
    // handshake. Does nothing while an exchange runs; with the serial
    // interface chosen (commType not 0) it reports SerialChosen at once.
    void start(ReplyHandler onReply);
    // Writes the packet built in packet() and awaits its answer.
    void sendPacket();
    // A damaged reply earns the packet awaiting its answer one more write, a
    // few times at most, so that a badge that keeps sending damaged replies
    // cannot hold the exchange open.
    void grantRepetition();
    // Timer 1624, 1625 or 1626 fired.
    void onTimer(int timerId);
    void end(ExchangeResult result);

private:
    void report();

    const AppData& data_;
    const LanguageTable& texts_;
    DeviceLink& link_;
    ExchangeHost& host_;
    OutcomeTexts outcome_;

    ExchangePhase phase_ = ExchangePhase::Idle;
    ExchangeResult result_ = ExchangeResult::None;
    LinkOpenResult openResult_ = LinkOpenResult::Opened;
    std::array<uint8_t, ReportSize> txReport_ {};
    int retriesLeft_ = 0;
    int extraRepetitionsLeft_ = 0;
};

} // namespace tessel
