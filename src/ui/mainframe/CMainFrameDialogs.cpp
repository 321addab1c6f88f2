// The options and device dialogs the main frame opens: the screen parameters
// behind the access prompt, the software options and the communication
// settings.
#include "ui/mainframe/CMainFrame.h"

#include "device/HidLink.h"
#include "device/HidapiTransport.h"
#include "ui/device/CommDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/property/PropertyForm.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/dialogs/SoftwareOptionDialog.h"

namespace tessel {

void CMainFrame::openScreenParameters()
{
    PasswordDialog password(texts_, this);
    if (password.exec() != PasswordDialog::CodeRight)
        return;
    // The dialog talks to the badge through a link of its own, beside the
    // frame's; its replies arrive on this thread.
    const std::unique_ptr<HidTransport> transport
        = screenParaTransport_ ? screenParaTransport_() : std::make_unique<HidapiTransport>();
    HidLink link(*transport, this);
    ScreenParaDialog dialog(data_, texts_, link, this);
    dialog.setOnApplied([this] {
        propertyPane_->refreshColourLists();
        RefreshPreview();
    });
    screenParaDialog_ = &dialog;
    dialog.exec();
    screenParaDialog_ = nullptr;
}

void CMainFrame::openSoftwareOptions()
{
    SoftwareOptionDialog dialog(data_, texts_, this);
    dialog.exec();
}

void CMainFrame::openCommSettings()
{
    CommDialog dialog(data_, texts_, this);
    dialog.exec();
}

} // namespace tessel
