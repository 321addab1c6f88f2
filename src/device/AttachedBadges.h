// The badges attached to this machine, as the hidapi library lists them, so
// that one of several can be chosen by its path.
#pragma once

#include <QString>
#include <vector>

namespace tessel {

enum class BadgeAccess { Usable, NoAccess }; // NoAccess: this user may not open the node

struct AttachedBadge {
    QString path; // the hidraw node, what hid_open_path takes
    QString serial;
    QString product;
    BadgeAccess access = BadgeAccess::Usable;
};

// What keeps the list from telling about every badge.
enum class ListingProblem {
    None,
    NoHidLibrary, // hid_init failed
    NoHidrawNodes, // no /dev/hidraw* at all: no hidraw driver, or a /dev without devices
};

struct BadgeListing {
    std::vector<AttachedBadge> badges;
    ListingProblem problem = ListingProblem::None;
};

// Every attached device with the badge's vendor and product identifiers.
BadgeListing ListAttachedBadges();

// The simulated badge as the list shows it.
AttachedBadge SimulatedBadge();

} // namespace tessel
