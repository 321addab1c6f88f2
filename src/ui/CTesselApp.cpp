#include "ui/CTesselApp.h"

#include "device/HidLink.h"
#include "ui/CMainFrame.h"
#include "ui/EditorStartUp.h"

namespace tessel {

CTesselApp::CTesselApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , link_(std::make_unique<HidLink>(transport_, this))
{
    setApplicationName(QStringLiteral("Tessel"));
    setDesktopFileName(QStringLiteral("Tessel.AppID.NoVersion"));
}

CTesselApp::~CTesselApp() = default;

bool CTesselApp::InitInstance()
{
    frame_ = StartEditor(
        { data_, texts_, *link_, LocateAppPaths(applicationDirPath()), CommandLineFile(arguments()) });
    return frame_ != nullptr;
}

} // namespace tessel
