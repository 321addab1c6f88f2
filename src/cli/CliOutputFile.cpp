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
    // The reason on the message's own line, as every other failure of the tool gives it.
    console.error(withReason(writeFailedMessage(console.texts(), systemLanguageId(), path, QString()), error.message));
}

} // namespace tessel::cli
