// Every file the tool writes (-o, --sim-dump, --sim-log) goes through the one
// file writer, with "-" as standard output; a failure is printed with the
// system's reason.
#pragma once

#include "storage/FileError.h"

#include <QByteArrayView>
#include <QString>

namespace tessel::cli {

// Writes the bytes; false after printing why they could not be written.
bool writeOutputFile(const QString& path, QByteArrayView bytes);

// "cannot write 'PATH': REASON" on standard error.
void printWriteError(const QString& path, const FileError& error);

} // namespace tessel::cli
