// The device link of one owning window (the main frame, the screen-parameter
// dialog): the transport plus a reader thread that polls the badge while the
// link is open and hands every report read to the owner through a queued
// call on the owner's thread.
//
// The reader waits 20 ms on the stop event, then reads for at most 10 ms.
// Writing a report ends that wait at once, so the reply the report draws is
// read as soon as it arrives, not after the rest of the wait: a transfer,
// one packet per acknowledgement, then runs at the pace of the badge.
#pragma once

#include "device/DeviceLink.h"
#include "device/StopEvent.h"

#include <chrono>
#include <memory>
#include <thread>

class QObject;

namespace tessel {

// The reader's wait on the stop event between two reads of an idle link.
constexpr std::chrono::milliseconds ReaderIdleWait { 20 };

class HidLink final : public DeviceLink {
public:
    // Replies are delivered in the thread of `target`, which must outlive
    // every open of the link. `idleWait` is the reader's wait between reads
    // when nothing is written.
    HidLink(HidTransport& transport, QObject* target, std::chrono::milliseconds idleWait = ReaderIdleWait);
    // Stops the reader and waits for it.
    ~HidLink() override;
    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    // Starts a fresh reader with a fresh stop request; the reader of an
    // earlier open has ended before the device is opened again.
    LinkOpenResult OpenLink(ReplyHandler onReply) override;
    // Writes the report, then wakes the reader to read its reply.
    int WriteReport(std::span<uint8_t> report) override;
    // Signals the stop event and waits until the reader has closed the
    // device and ended (at most one 10 ms read).
    void CloseLink() override;
    bool isOpen() const override { return open_; }

private:
    // Shared by the link and the queued deliveries, touched on the owner's
    // thread only: a delivery counts only for the open it was read in.
    struct Delivery {
        uint64_t currentOpen = 0;
        bool open = false;
        ReplyHandler handler;
    };

    void readLoop(uint64_t openNumber);
    void stopReader();

    HidTransport& transport_;
    QObject* target_;
    std::chrono::milliseconds idleWait_;
    std::shared_ptr<Delivery> delivery_ = std::make_shared<Delivery>();
    StopEvent stopEvent_;
    std::thread reader_;
    bool open_ = false;
};

} // namespace tessel
