#include "ui/property/CharSpacingDialog.h"

#include "model/Program.h"

namespace tessel {

CharSpacingDialog::CharSpacingDialog(PropertyForm& pane, const LanguageTable& texts, QWidget* parent)
    : SpacingPopup(pane, texts, { 5, 1, u"charSpace_", &TextItem::charSpacing }, parent)
{
}

} // namespace tessel
