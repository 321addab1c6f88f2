// The HID transport of a real badge, over hidapi (hidraw back end): the
// first badge found, or the one at a given hidraw path when several are
// attached.
#pragma once

#include "device/HidTransport.h"

#include <atomic>
#include <string>

struct hid_device_;

namespace tessel {

class HidapiTransport final : public HidTransport {
public:
    // An empty path opens the first device with the vendor and product
    // identifiers given to open().
    explicit HidapiTransport(std::string devicePath = {});
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    // When hid_open fails, the device list tells a missing badge from one
    // that is attached but not accessible to this user. A device opened by
    // its path must carry the vendor and product identifiers given.
    LinkOpenResult open(uint16_t vendorId, uint16_t productId) override;
    int write(std::span<const uint8_t> report) override;
    int read(std::span<uint8_t> buffer, int timeoutMs) override;
    void close() override;

private:
    hid_device_* openPath(uint16_t vendorId, uint16_t productId, LinkOpenResult& result);

    std::string devicePath_;
    std::atomic<hid_device_*> device_ { nullptr };
};

} // namespace tessel
