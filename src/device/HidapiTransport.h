// The HID transport of a real badge, over hidapi (hidraw back end).
#pragma once

#include "device/HidTransport.h"

#include <atomic>

struct hid_device_;

namespace tessel {

class HidapiTransport final : public HidTransport {
public:
    HidapiTransport() = default;
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    // When hid_open fails, the device list tells a missing badge from one
    // that is attached but not accessible to this user.
    LinkOpenResult open(uint16_t vendorId, uint16_t productId) override;
    int write(std::span<const uint8_t> report) override;
    int read(std::span<uint8_t> buffer, int timeoutMs) override;
    void close() override;

private:
    std::atomic<hid_device_*> device_ { nullptr };
};

} // namespace tessel
