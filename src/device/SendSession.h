// The send session: the main frame's exchange with the badge. It opens the
// link, shakes hands, then sends one command (search, clear screen,
// brightness, charge icon) or the whole device image, and reports the
// outcome. A window-free state machine driven by RunDeviceCommand or
// StartExchange, OnDeviceReply and OnTimer on the owner's thread; the steps
// it shares with the screen-parameter exchange are the ExchangeCore's.
//
// States: Idle; AwaitHandshake (timer 1625); AwaitReply, AwaitBeginAnswer and
// AwaitAck (timer 1626, each packet written at most three times). The outcome
// is shown in a message box captioned "Tessel" when the setting afterExcute is
// set.
#pragma once

#include "device/DeviceOperation.h"
#include "device/ExchangeCore.h"
#include "device/SendSessionHost.h"
#include "render/DeviceImage.h"
#include "render/ScreenGeometry.h"

#include <QByteArray>
#include <functional>

namespace tessel {

class AppData;
class LanguageTable;

// Builds the device image for the badge's geometry (ComputeScreenGeometry
// applied); the main frame passes BuildDeviceImage with its program list.
using ImageBuilder = std::function<DeviceImageBuild(const ScreenGeometry& geometry)>;

enum class SessionState { Idle, AwaitHandshake, AwaitReply, AwaitBeginAnswer, AwaitAck };

class SendSession {
public:
    SendSession(const AppData& data, const LanguageTable& texts, DeviceLink& link, SendSessionHost& host,
        ImageBuilder buildImage);
    SendSession(const SendSession&) = delete;
    SendSession& operator=(const SendSession&) = delete;

    // A device command of the main window (search, clear screen, charge icon,
    // brightness, send): sets the operation, shows its start text in status
    // pane 0 and starts the exchange. While an exchange runs the command is
    // ignored as a whole: operation and status text stay as they are.
    void RunDeviceCommand(DeviceOperation operation);
    // Starts an exchange for the current operation. Does nothing while one
    // runs; with the serial interface chosen (commType not 0) it only says so.
    void StartExchange();
    // A report read from the badge (1 to 256 bytes).
    void OnDeviceReply(const QByteArray& reply);
    // Timer 1624, 1625 or 1626 fired.
    void OnTimer(int timerId);

    SessionState state() const;
    bool running() const { return core_.running(); }
    DeviceOperation operation() const { return operation_; }
    // The result of the exchange that ended last.
    ExchangeResult result() const { return core_.result(); }
    // How the last open of the link went: tells a missing badge from one that
    // is present but not accessible.
    LinkOpenResult openResult() const { return core_.openResult(); }
    // The image of the last send; emptied when there was nothing to send.
    const QByteArray& deviceImage() const { return image_; }
    const ScreenGeometry& geometry() const { return geometry_; }
    int packetsAcked() const { return packetsAcked_; }
    int packetCount() const { return packetCount_; }

private:
    void onHandshakeAnswer(const QByteArray& reply);
    void beginTransfer(const QByteArray& reply);
    void sendDataPacket(int index);
    void writePacket(SessionState next);
    void endExchange(ExchangeResult result) { core_.end(result); }
    PacketArea packet() { return core_.packet(); }

    const AppData& data_;
    SendSessionHost& host_;
    ImageBuilder buildImage_;
    ExchangeCore core_;

    // The answer awaited while the core awaits a reply.
    SessionState awaited_ = SessionState::AwaitReply;
    DeviceOperation operation_ = DeviceOperation::None;
    int packetsAcked_ = 0;
    int packetCount_ = 0;
    ScreenGeometry geometry_;
    QByteArray image_;
};

} // namespace tessel
