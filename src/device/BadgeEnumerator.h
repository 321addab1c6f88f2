// Lists the attached badges without opening one: what the editor asks to
// show whether a badge is plugged in. The hidapi enumerator serves the
// editor; tests put a listing of their own in its place.
#pragma once

#include "device/AttachedBadges.h"

namespace tessel {

class BadgeEnumerator {
public:
    virtual ~BadgeEnumerator() = default;

    virtual BadgeListing listBadges() = 0;
};

// hid_enumerate for the badge's vendor and product identifiers.
class HidapiBadgeEnumerator final : public BadgeEnumerator {
public:
    BadgeListing listBadges() override { return ListAttachedBadges(); }
};

} // namespace tessel
