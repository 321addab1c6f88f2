#include "cli/CliOutputFile.h"

#include "cli/CliConsole.h"
#include "files/FileMessages.h"
#include "model/AppData.h"
#include "storage/FileWriter.h"

namespace tessel::cli {

bool writeOutputFile(const CliConsole& console, const QString& path, QByteArrayView bytes)
{
    FileError error;
    if (writeFile(path, bytes, error, DashPath::StandardOutput))
        return true;
    printWriteError(console, path, error);
    return false;
}

void printWriteError(const CliConsole& console, const QString& path, const FileError& error)
{
    printWriteError(console, path, error.message);
}

void printWriteError(const CliConsole& console, const QString& path, const QString& reason)
{
    // The reason on the same line as the message, as every failure of the tool gives it.
    console.error(withReason(writeFailedMessage(console.texts(), systemLanguageId(), path, QString()), reason));
}

} // namespace tessel::cli
