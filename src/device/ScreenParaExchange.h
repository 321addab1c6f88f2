// The screen-parameter dialog's exchange: open its own link, shake hands,
// then read the screen parameters from the badge (command 0x04, answered by
// 0x05) or write the chosen ones (0x06, answered by 0x07), and report the
// outcome. Window-free, built like the send session: RunCommand or Start,
// OnDeviceReply and OnTimer on the owner's thread, with the steps both share
// in the ExchangeCore. The checksum of replies is not tested here.
#pragma once

#include "device/DeviceOperation.h"
#include "device/ExchangeCore.h"
#include "device/ScreenParaHost.h"

#include <optional>

namespace tessel {

class AppData;
class LanguageTable;

// Idle, AwaitHandshake, then AwaitReply for the command's answer.
using ScreenParaState = ExchangePhase;

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
    // With the serial interface chosen (commType not 0) it only says so.
    void Start();
    void OnDeviceReply(const QByteArray& reply);
    void OnTimer(int timerId);

    ScreenParaState state() const { return core_.phase(); }
    bool running() const { return core_.running(); }
    ExchangeResult result() const { return core_.result(); }
    LinkOpenResult openResult() const { return core_.openResult(); }
    // The set of the last 0x05 reply (also shown through the host).
    const std::optional<ScreenPara>& readPara() const { return readPara_; }

private:
    void onHandshakeAnswer();
    void endExchange(ExchangeResult result) { core_.end(result); }

    const AppData& data_;
    ScreenParaHost& host_;
    ExchangeCore core_;

    DeviceOperation operation_ = DeviceOperation::GetScreenParameters;
    std::optional<ScreenPara> readPara_;
};

} // namespace tessel
