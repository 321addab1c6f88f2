// Where the program's files are: the data it reads (language files, icon
// library, manual), the settings file "app.xml", the preview file "pre.bmp"
// and the folder the first save proposes. The editor and tessel-cli both ask
// here, so that they always agree.
//
// Two layouts. Portable: the executable's folder holds the data and the
// settings, as in the build folder or an unpacked copy. Installed
// (<prefix>/bin): data in <prefix>/share/tessel/, settings in the user's
// configuration folder, "pre.bmp" in the user's cache folder and the first
// save in the documents folder.
#pragma once

#include <QString>

namespace tessel {

enum class PathLayout { Portable, Installed };

struct AppPaths {
    PathLayout layout = PathLayout::Portable;
    QString exeDir; // the executable's folder; ends in "/"
    QString dataDir; // holds "language/", "image/12" ... and the manual; ends in "/"
    QString settingsDir; // holds "app.xml"; stored relative folders start here; ends in "/"
    QString appXmlPath;
    QString previewPath; // "pre.bmp"
    QString firstSaveDir; // the folder the first save proposes; ends in "/"
};

// What the executable's folder holds, as far as the layout depends on it.
struct ExeFolder {
    QString path; // ends in "/"
    bool holdsLanguage = false; // a "language" folder
    bool holdsAppXml = false;
    bool writable = false;
};

// Looks at the folder on disk (a missing "/" at the end is added).
ExeFolder InspectExeFolder(const QString& exeDir);

// The layout for that folder. Data comes from the folder when it holds
// "language/", otherwise from <folder>/../share/tessel/. The settings stay
// beside the executable when it already holds "app.xml", or when it holds
// the data and can be written; otherwise they live in
// $XDG_CONFIG_HOME/tessel/, "pre.bmp" in $XDG_CACHE_HOME/tessel/, and the
// first save proposes the documents folder (the home folder when there is
// none). Folders are not created here: writing a file creates its folder.
AppPaths LocateAppPaths(const ExeFolder& folder);
AppPaths LocateAppPaths(const QString& exeDir);

// Everything in one folder (the portable layout), whatever it holds.
AppPaths PortablePaths(const QString& exeDir);

} // namespace tessel
