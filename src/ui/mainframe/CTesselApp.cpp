#include "ui/mainframe/CTesselApp.h"

#include "device/HidLink.h"
#include "ui/mainframe/CMainFrame.h"
#include "ui/mainframe/EditorStartUp.h"

#include "TesselVersion.h"

namespace tessel {

CTesselApp::CTesselApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , link_(std::make_unique<HidLink>(transport_, this))
{
    setApplicationName(QStringLiteral("Tessel"));
    setDesktopFileName(QStringLiteral(TESSEL_APP_ID));
}

CTesselApp::~CTesselApp() = default;

bool CTesselApp::InitInstance()
{
    frame_ = StartEditor(
        { data_, texts_, *link_, LocateAppPaths(applicationDirPath()), CommandLineFile(arguments()) });
    return frame_ != nullptr;
}

} // namespace tessel
