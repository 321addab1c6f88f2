#include "device/HidapiTransport.h"

#include "device/HidapiLibrary.h"

#include <hidapi.h>
#include <unistd.h>

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

HidapiTransport::HidapiTransport(std::string devicePath)
    : devicePath_(std::move(devicePath))
{
}

HidapiTransport::~HidapiTransport()
{
    close();
}

LinkOpenResult HidapiTransport::open(uint16_t vendorId, uint16_t productId)
{
    close();
    if (!HidapiLibrary::acquire())
        return LinkOpenResult::NotFound;
    LinkOpenResult result = LinkOpenResult::Opened;
    hid_device* device = nullptr;
    if (!devicePath_.empty()) {
        device = openPath(vendorId, productId, result);
    } else {
        device = hid_open(vendorId, productId, nullptr);
        if (device == nullptr)
            result = DeviceListed(vendorId, productId) ? LinkOpenResult::NoPermission : LinkOpenResult::NotFound;
    }
    if (device == nullptr) {
        HidapiLibrary::release();
        return result;
    }
    device_ = device;
    return LinkOpenResult::Opened;
}

hid_device* HidapiTransport::openPath(uint16_t vendorId, uint16_t productId, LinkOpenResult& result)
{
    hid_device* device = hid_open_path(devicePath_.c_str());
    if (device == nullptr) {
        // A node that exists but does not open is one this user may not use.
        result = access(devicePath_.c_str(), F_OK) == 0 ? LinkOpenResult::NoPermission : LinkOpenResult::NotFound;
        return nullptr;
    }
    const hid_device_info* info = hid_get_device_info(device);
    if (info == nullptr || info->vendor_id != vendorId || info->product_id != productId) {
        hid_close(device);
        result = LinkOpenResult::NotABadge;
        return nullptr;
    }
    return device;
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
