// Paths of program files and of the files they name. A folder may be stored
// relative to the program's own folder (the empty folder of a file saved
// beside the executable); such paths are resolved against exeDir, never
// against the working directory.
#pragma once

#include <QString>

namespace tessel {

class AppData;

struct PathParts {
    QString folder; // up to and including the last separator; empty when there is none
    QString fileName; // after the last separator
};

// Splits at the last "/" or "\", so that paths written on Windows split the
// same way.
PathParts splitAtLastSeparator(const QString& path);

// The path without the exeDir prefix when it begins with it, so that files in
// the program's folder are stored relative to it.
QString relativeToExeDir(const AppData& data, const QString& path);

// The file system path of a stored path or folder: a relative one (the empty
// folder included) is taken from exeDir; "\" separators become "/".
QString resolveProgramPath(const AppData& data, const QString& path);

} // namespace tessel
