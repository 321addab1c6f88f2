// The USB HID access below a device link: open a device by its vendor and
// product identifiers, write output reports, read input reports with a
// time-out, close. The hidapi library provides it for a real badge; the badge
// simulator stands in for it in tests and for "--device sim".
//
// Threads: open and write run on the user-interface thread, read on the
// link's reader thread at the same time as writes, close on the reader thread
// as it ends. An implementation must allow that.
#pragma once

#include <cstdint>
#include <span>

namespace tessel {

enum class LinkOpenResult {
    Opened,
    NotFound, // no such device attached
    NoPermission, // the device is attached but may not be opened (no access rule installed)
    NotABadge, // the device named by its path is another device
};

class HidTransport {
public:
    virtual ~HidTransport() = default;

    virtual LinkOpenResult open(uint16_t vendorId, uint16_t productId) = 0;
    // The count written, or 0 or less on failure (nothing open included).
    virtual int write(std::span<const uint8_t> report) = 0;
    // Waits at most timeoutMs for one input report: its length, 0 when none
    // arrived, less than 0 on a device error (the badge unplugged, nothing open).
    virtual int read(std::span<uint8_t> buffer, int timeoutMs) = 0;
    // Closes the device if one is open.
    virtual void close() = 0;
};

} // namespace tessel
