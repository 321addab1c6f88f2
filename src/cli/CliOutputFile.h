// Every file the tool writes (-o, --sim-dump, --sim-log) goes through the one
// file writer, with "-" as standard output; a failure is printed with the
// system's reason.
#pragma once

#include "storage/FileError.h"

#include <QByteArrayView>
#include <QString>

namespace tessel::cli {

class CliConsole;

// Writes the bytes; false after printing why they could not be written.
bool writeOutputFile(const CliConsole& console, const QString& path, QByteArrayView bytes);

// The failed-write message with the system's reason, on standard error.
void printWriteError(const CliConsole& console, const QString& path, const FileError& error);
void printWriteError(const CliConsole& console, const QString& path, const QString& reason);

} // namespace tessel::cli
