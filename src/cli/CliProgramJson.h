// The program list as JSON for scripts: an array with one object per program,
// its number from 1, whether it is ticked, its kind, name and summary, and
// every field of its kind under the program file's keys.
#pragma once

#include <QByteArray>

namespace tessel {
class AppData;
}

namespace tessel::cli {

// Indented JSON text ending in a line end.
QByteArray ProgramListJson(const AppData& data);

} // namespace tessel::cli
