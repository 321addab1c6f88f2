// A device link without a reader thread: the owner reads the badge's replies
// when it chooses to. It drives an exchange step by step against the badge
// simulator, with no clock and no event loop (benchmarks, fuzzing, tests).
#pragma once

#include "device/DeviceLink.h"

namespace tessel {

class PolledLink final : public DeviceLink {
public:
    explicit PolledLink(HidTransport& transport);
    ~PolledLink() override;
    PolledLink(const PolledLink&) = delete;
    PolledLink& operator=(const PolledLink&) = delete;

    LinkOpenResult OpenLink(ReplyHandler onReply) override;
    int WriteReport(std::span<uint8_t> report) override;
    void CloseLink() override;
    bool isOpen() const override { return open_; }

    // Reads one waiting reply and hands it to the handler; false when none
    // was waiting or nothing is open.
    bool deliverOne();
    // Delivers replies until none is waiting, also those the handler's own
    // writes draw, at most `limit` of them; returns how many.
    int deliverAll(int limit = 1'000'000);

private:
    HidTransport& transport_;
    ReplyHandler handler_;
    bool open_ = false;
};

} // namespace tessel
