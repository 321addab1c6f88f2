// Paths of program files and of the files they name. A folder may be stored
// relative to the settings folder (the empty folder of a file saved beside
// "app.xml"); such paths are resolved against that folder, never against the
// working directory.
//
// A "\" is an ordinary character of a file name here. Only a stored folder
// that is plainly a Windows path is read with "\" as its separator.
#pragma once

#include <QString>

namespace tessel {

class AppData;

struct PathParts {
    QString folder; // up to and including the last "/"; empty when there is none
    QString fileName; // after the last "/"
};

PathParts splitAtLastSeparator(const QString& path);

// A drive letter ("C:" alone or followed by a separator), or backslashes and
// no "/".
bool isWindowsFolder(const QString& folder);

// A folder read from the settings file: a Windows one with its "\" turned
// into "/", any other exactly as stored.
QString folderFromStore(const QString& folder);

// The path without the settings folder's prefix when it begins with it, so
// that files beside "app.xml" are stored relative to it.
QString relativeToSettingsDir(const AppData& data, const QString& path);

// The file system path of a stored path or folder: a relative one (the empty
// folder included) is taken from the settings folder. No character changes.
QString resolveProgramPath(const AppData& data, const QString& path);

} // namespace tessel
