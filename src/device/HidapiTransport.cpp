#include "device/HidapiTransport.h"

#include "device/HidapiLibrary.h"

#include <hidapi.h>

namespace tessel {

namespace {

bool DeviceListed(uint16_t vendorId, uint16_t productId)
{
    hid_device_info* list = hid_enumerate(vendorId, productId);
    const bool listed = list != nullptr;
    hid_free_enumeration(list);
    return listed;
}

} // namespace

HidapiTransport::~HidapiTransport()
{
    close();
}

LinkOpenResult HidapiTransport::open(uint16_t vendorId, uint16_t productId)
{
    close();
    if (!HidapiLibrary::acquire())
        return LinkOpenResult::NotFound;
    hid_device* device = hid_open(vendorId, productId, nullptr);
    if (device == nullptr) {
        const LinkOpenResult result
            = DeviceListed(vendorId, productId) ? LinkOpenResult::NoPermission : LinkOpenResult::NotFound;
        HidapiLibrary::release();
        return result;
    }
    device_ = device;
    return LinkOpenResult::Opened;
}

int HidapiTransport::write(std::span<const uint8_t> report)
{
    hid_device* device = device_;
    return device != nullptr ? hid_write(device, report.data(), report.size()) : 0;
}

int HidapiTransport::read(std::span<uint8_t> buffer, int timeoutMs)
{
    hid_device* device = device_;
    return device != nullptr ? hid_read_timeout(device, buffer.data(), buffer.size(), timeoutMs) : -1;
}

void HidapiTransport::close()
{
    hid_device* device = device_.exchange(nullptr);
    if (device == nullptr)
        return;
    hid_close(device);
    HidapiLibrary::release();
}

} // namespace tessel
