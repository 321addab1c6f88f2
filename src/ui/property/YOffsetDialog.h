// The pop-up of the vertical offset: `yOffset` 0-10, shown as the shift in
// rows (-5 to +5).
#pragma once

#include "ui/property/SpacingPopup.h"

namespace tessel {

class YOffsetDialog : public SpacingPopup {
    Q_OBJECT
public:
    YOffsetDialog(PropertyForm& pane, const LanguageTable& texts, QWidget* parent);
};

} // namespace tessel
