// The settings file "app.xml" (where it lives is the paths' choice), and the
// start-up sequence that fills the settings.
#pragma once

#include <QString>

namespace tessel {

class AppData;
class LanguageTable;
struct AppPaths;

// The start-up sequence: the paths, start values, "app.xml" when it exists,
// then the current file name and folder from the command-line file (which
// becomes the newest recent entry) or the newest recent entry. The program
// passes LocateAppPaths(QCoreApplication::applicationDirPath()). False when
// "app.xml" exists but cannot be read (a folder, a FIFO, no permission):
// the start values stay, and *reason holds the system's words.
bool initSettings(AppData& data, const AppPaths& paths, QString* reason = nullptr);

// Reads the file's elements in the writer's order; whatever is missing keeps
// its value. False when the file could not be loaded (*reason: why).
bool loadSettings(AppData& data, const QString& path, QString* reason = nullptr);

// Writes every stored setting to appXmlPath, creating its folder first;
// false when the write failed (*reason then holds the system's words when
// known).
bool saveSettings(const AppData& data, QString* reason = nullptr);

// Writes the settings as saveSettings does and returns what the user should
// be told: empty when the write succeeded, and also for a failure that
// follows a failure, so that a settings folder that cannot be written is
// reported once rather than at every write. The editor keeps working either
// way; only the settings of this run are not kept.
QString storeSettings(AppData& data, const LanguageTable& texts);

} // namespace tessel
