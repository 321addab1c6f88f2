#include "cli/CliOutputFile.h"

#include "cli/CliOptions.h"
#include "storage/FileWriter.h"

namespace tessel::cli {

bool writeOutputFile(const QString& path, QByteArrayView bytes)
{
    FileError error;
    if (writeFile(path, bytes, error, DashPath::StandardOutput))
        return true;
    printWriteError(path, error);
    return false;
}

void printWriteError(const QString& path, const FileError& error)
{
    printError(QStringLiteral("cannot write '%1': %2").arg(path, error.message));
}

} // namespace tessel::cli
