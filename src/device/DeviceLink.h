// The link an exchange talks through: opened for one exchange, closed at its
// end. Every report read from the badge reaches the handler given to
// OpenLink, on the owner's thread, as its own copy of the bytes (1 to 256);
// reports read during an earlier open never reach it.
#pragma once

#include "device/HidTransport.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <span>

namespace tessel {

using ReplyHandler = std::function<void(const QByteArray& reply)>;

constexpr uint16_t BadgeVendorId = 0x8888;
constexpr uint16_t BadgeProductId = 0x0006;
constexpr int MaxReplySize = 256;

class DeviceLink {
public:
    virtual ~DeviceLink() = default;

    // Opens the badge (vendor 0x8888, product 0x0006).
    virtual LinkOpenResult OpenLink(ReplyHandler onReply) = 0;
    // Sets report byte 0 (the report identifier) to 0 and writes the report;
    // returns the count written, 0 or less when the write failed or nothing is
    // open.
    virtual int WriteReport(std::span<uint8_t> report) = 0;
    // Always succeeds; when it returns, no further reply of this open is
    // handed over.
    virtual void CloseLink() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace tessel
