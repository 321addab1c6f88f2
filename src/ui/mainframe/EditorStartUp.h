// The editor's start-up sequence, from the settings to the shown main window.
#pragma once

#include "model/AppPaths.h"
#include "ui/mainframe/FileDialogsHost.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tessel {

class AppData;
class CMainFrame;
class DeviceLink;
class LanguageTable;

enum class ShowWindow { Yes, No };

struct StartUpContext {
    AppData& data;
    LanguageTable& texts;
    DeviceLink& link;
    AppPaths paths; // where the data and the settings are
    QString startupFile; // the program file named on the command line, or empty
    FileDialogs dialogs = FileDialogs::standard();
    ShowWindow show = ShowWindow::Yes;
};

// The text after the program name: the arguments joined by spaces, as one
// command line (the settings remove surrounding quotation marks).
QString CommandLineFile(const QStringList& arguments);

// Settings, language, main frame and panes in their order; the newest recent
// file (the command-line file, when one is given) is opened. Nothing when a
// file named on the command line cannot be opened: the user was told.
std::unique_ptr<CMainFrame> StartEditor(StartUpContext context);

} // namespace tessel
