// The pop-up of the character spacing: `charSpacing` 0-5, shown as the
// extra columns after each character (-1 to 4).
#pragma once

#include "ui/property/SpacingPopup.h"

namespace tessel {

class CharSpacingDialog : public SpacingPopup {
    Q_OBJECT
public:
    CharSpacingDialog(PropertyForm& pane, const LanguageTable& texts, QWidget* parent);
};

} // namespace tessel
