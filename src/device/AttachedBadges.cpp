#include "device/AttachedBadges.h"

#include "device/DeviceLink.h"
#include "device/HidapiLibrary.h"

#include <QDir>
#include <hidapi.h>
#include <unistd.h>

namespace tessel {

namespace {

QString fromWide(const wchar_t* text)
{
    return text != nullptr ? QString::fromWCharArray(text) : QString();
}

bool hidrawNodesExist()
{
    return !QDir(QStringLiteral("/dev")).entryList({ QStringLiteral("hidraw*") }, QDir::System).isEmpty();
}

} // namespace

BadgeListing ListAttachedBadges()
{
    BadgeListing listing;
    if (!HidapiLibrary::acquire()) {
        listing.problem = ListingProblem::NoHidLibrary;
        return listing;
    }
    hid_device_info* list = hid_enumerate(BadgeVendorId, BadgeProductId);
    for (const hid_device_info* device = list; device != nullptr; device = device->next) {
        AttachedBadge badge;
        badge.path = QString::fromLocal8Bit(device->path);
        badge.serial = fromWide(device->serial_number);
        badge.product = fromWide(device->product_string);
        badge.access = access(device->path, R_OK | W_OK) == 0 ? BadgeAccess::Usable : BadgeAccess::NoAccess;
        listing.badges.push_back(badge);
    }
    hid_free_enumeration(list);
    HidapiLibrary::release();
    if (listing.badges.empty() && !hidrawNodesExist())
        listing.problem = ListingProblem::NoHidrawNodes;
    return listing;
}

AttachedBadge SimulatedBadge()
{
    return { QStringLiteral("sim"), QStringLiteral("SIM-0001"), QStringLiteral("LED name badge (simulated)"),
        BadgeAccess::Usable };
}

} // namespace tessel
