// The program file (".led"): the program list as XML, root "Records" with one
// "Program" element per program, in list order.
#pragma once

#include "storage/FileWriter.h"

#include <QString>

namespace tessel {

class AppData;

// Writes the whole list to the path (a stored path, resolved against the settings folder),
// replacing the file only once the new one is complete. False when the file
// could not be written; *reason then holds the system's words when known.
// With DashPath::StandardOutput the path "-" is standard output.
bool writeProgramFile(
    const AppData& data, const QString& path, QString* reason = nullptr, DashPath dash = DashPath::File);

// Appends every "Program" element of the file to the list, in file order, with
// no limit on their number. The caller empties the list first.
void readProgramFile(AppData& data, const QString& path);

// Whether the file at this file system path loads and has a top-level
// "Records" element: the gate of every open.
bool checkProgramFile(const QString& path);

} // namespace tessel
