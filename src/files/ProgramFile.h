// The program file (".led"): the program list as XML, root "Records" with one
// "Program" element per program, in list order.
#pragma once

#include "storage/FileWriter.h"

#include <QString>
#include <cstdint>

namespace tessel {

class AppData;

// Writes the whole list to the path (a stored path, resolved against the settings folder),
// replacing the file only once the new one is complete. False when the file
// could not be written; *reason then holds the system's words when known.
// With DashPath::StandardOutput the path "-" is standard output.
bool writeProgramFile(
    const AppData& data, const QString& path, QString* reason = nullptr, DashPath dash = DashPath::File);

enum class ProgramFileState : uint8_t {
    Whole,
    Damaged, // not well-formed, cut off for one: what could be read was read
    Unreadable, // missing, not a regular file, or not to be read
};

// Appends every "Program" element of the file to the list, in file order, with
// no limit on their number. The caller empties the list first. A root left
// open at the end of the file holds nothing, and the programs after it are
// taken instead.
ProgramFileState readProgramFile(AppData& data, const QString& path);

// Whether the file at this file system path loads and has a top-level
// "Records" element: the gate of every open.
bool checkProgramFile(const QString& path);

} // namespace tessel
