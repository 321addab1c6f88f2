// The editor's application object: it owns the state of the whole run (the
// program list and settings, the language table, the badge's transport and
// link) and the main window, and hands them down by reference.
#pragma once

#include "device/HidapiTransport.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QApplication>
#include <memory>

namespace tessel {

class CMainFrame;
class HidLink;

class CTesselApp : public QApplication {
    Q_OBJECT
public:
    CTesselApp(int& argc, char** argv);
    ~CTesselApp() override;

    // The start-up sequence up to the shown main window; false when it
    // failed and no window is shown.
    bool InitInstance();

private:
    AppData data_;
    LanguageTable texts_;
    HidapiTransport transport_;
    std::unique_ptr<HidLink> link_;
    std::unique_ptr<CMainFrame> frame_; // destroyed first: it stops the link's reader
};

} // namespace tessel
