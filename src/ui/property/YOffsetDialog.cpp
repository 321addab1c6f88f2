#include "ui/property/YOffsetDialog.h"

#include "model/Program.h"

namespace tessel {

YOffsetDialog::YOffsetDialog(PropertyForm& pane, const LanguageTable& texts, QWidget* parent)
    : SpacingPopup(pane, texts, { 10, 5, u"yOffset_", &TextItem::yOffset }, parent)
{
}

} // namespace tessel
