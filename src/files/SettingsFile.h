// The settings file "app.xml" beside the executable, and the start-up
// sequence that fills the settings.
#pragma once

#include <QString>

namespace tessel {

class AppData;

// The start-up sequence: exeDir (ends in "/"), appXmlPath, start values,
// "app.xml" when it exists, then the current file name and folder from the
// command-line file (which becomes the newest recent entry) or the newest
// recent entry. The program uses QCoreApplication::applicationDirPath() + "/".
void initSettings(AppData& data, const QString& exeDir);

// Reads the file's elements in the writer's order; whatever is missing keeps
// its value. False when the file could not be loaded.
bool loadSettings(AppData& data, const QString& path);

// Writes every stored setting to appXmlPath; false when the write failed
// (*reason then holds the system's words when known).
bool saveSettings(const AppData& data, QString* reason = nullptr);

} // namespace tessel
