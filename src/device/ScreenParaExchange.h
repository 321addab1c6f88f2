// The screen-parameter dialog's exchange: open its own link, shake hands,
// then read the screen parameters from the badge (command 0x04, answered by
// 0x05) or write the chosen ones (0x06, answered by 0x07), and report the
// outcome. Window-free, built like the send session: RunCommand or Start,
// OnDeviceReply and OnTimer on the owner's thread. The checksum of replies is
// not tested here.
#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceOperation.h"
#include "device/ExchangeResult.h"
#include "device/Packet.h"
#include "device/ScreenParaHost.h"

#include <array>
#include <optional>

namespace tessel {

class AppData;
class LanguageTable;

enum class ScreenParaState { Idle, AwaitHandshake, AwaitReply };

class ScreenParaExchange {
public:
    ScreenParaExchange(
        const AppData& data, const LanguageTable& texts, DeviceLink& link, ScreenParaHost& host);
    ScreenParaExchange(const ScreenParaExchange&) = delete;
    ScreenParaExchange& operator=(const ScreenParaExchange&) = delete;

    // Get parameters (status text msg1) or set parameters (msg2), then
    // Start; any other operation, or a command while an exchange runs, is
    // ignored as a whole.
    void RunCommand(DeviceOperation operation);
    // Nothing at all when the serial interface is chosen (commType not 0).
    void Start();
    void OnDeviceReply(const QByteArray& reply);
    void OnTimer(int timerId);

    ScreenParaState state() const { return state_; }
    bool running() const { return state_ != ScreenParaState::Idle; }
    ExchangeResult result() const { return result_; }
    LinkOpenResult openResult() const { return openResult_; }
    // The set of the last 0x05 reply (also shown through the host).
    const std::optional<ScreenPara>& readPara() const { return readPara_; }

private:
    void onHandshakeAnswer();
    void endExchange(ExchangeResult result);
    void reportResult();
    PacketArea packet() { return PacketOfReport(txReport_); }

    const AppData& data_;
    const LanguageTable& texts_;
    DeviceLink& link_;
    ScreenParaHost& host_;

    ScreenParaState state_ = ScreenParaState::Idle;
    DeviceOperation operation_ = DeviceOperation::GetScreenParameters;
    ExchangeResult result_ = ExchangeResult::None;
    LinkOpenResult openResult_ = LinkOpenResult::Opened;
    std::array<uint8_t, ReportSize> txReport_ {};
    int txLength_ = ReportSize;
    int replyTimeout_ = ReplyTimeout;
    int retriesLeft_ = 0;
    std::optional<ScreenPara> readPara_;
};

} // namespace tessel
