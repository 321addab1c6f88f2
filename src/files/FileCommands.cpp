#include "files/FileCommands.h"

#include "files/FileMessages.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"
#include "files/SettingsFile.h"
#include "model/AppData.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

namespace tessel {

namespace {

// Whether the system refuses the user writes to the existing file (its
// permissions, a read-only file system), as against a passing failure.
bool isRefused(const QString& path)
{
    if (::access(QFile::encodeName(path).constData(), W_OK) == 0)
        return false;
    return errno == EACCES || errno == EPERM || errno == EROFS;
}

} // namespace

FileCommands::FileCommands(AppData& data, const LanguageTable& texts, FileCommandHost& host)
    : data_(data)
    , texts_(texts)
    , host_(host)
{
}

OpenResult FileCommands::openProgramFile(const QString& path)
{
    if (!path.isEmpty())
        return openPath(path);
    const auto chosen = host_.askOpenPath(QStringLiteral("Program file(*.led)"));
    if (!chosen)
        return OpenResult::Cancelled;
    return openPath(relativeToSettingsDir(data_, *chosen));
}

OpenResult FileCommands::openPath(const QString& path)
{
    if (path == data_.currentPath)
        return OpenResult::AlreadyOpen;
    const PathParts parts = splitAtLastSeparator(path);
    const RecentFile entry { parts.fileName, parts.folder };
    // A failing entry stays out of the list.
    removeRecentFile(data_, entry);
    const QString file = resolveProgramPath(data_, path);
    if (QFileInfo(file).isFile() && checkProgramFile(file)) {
        data_.fileName = parts.fileName;
        data_.dirPath = parts.folder;
        data_.currentPath = path;
        addRecentFile(data_, entry);
        return OpenResult::Opened;
    }
    host_.showOpenFailed(openFailedMessage(path, texts_), openFailedCaption(texts_));
    return OpenResult::Failed;
}

SaveResult FileCommands::saveProgramFile(SaveQuestion question, SaveTarget target)
{
    host_.storePendingEdits();
    if (target == SaveTarget::CurrentFile) {
        if (question == SaveQuestion::Ask) {
            switch (host_.askSaveChanges(saveQuestion(data_, texts_), SaveCaption)) {
            case SaveAnswer::No:
                data_.modified = 0;
                return SaveResult::NotSaved;
            case SaveAnswer::Cancel:
                return SaveResult::Cancelled;
            case SaveAnswer::Yes:
                break;
            }
        }
        if (!data_.currentPath.isEmpty()) {
            const SaveResult result = writeTo(data_.currentPath);
            // A file the user may not write: after the message, Save As.
            if (result != SaveResult::WriteFailed || !isRefused(resolveProgramPath(data_, data_.currentPath)))
                return result;
        }
    }
    const auto chosen = host_.askSavePath({ QStringLiteral("program file(*.led)"), QStringLiteral("led"),
        data_.fileName, resolveProgramPath(data_, data_.dirPath) });
    if (!chosen)
        return SaveResult::Cancelled;
    const PathParts parts = splitAtLastSeparator(*chosen);
    const RecentFile entry { parts.fileName, relativeToSettingsDir(data_, parts.folder) };
    // The new name becomes current only once the file is written, so that a
    // failed write leaves the names, the recent list and the settings as
    // they were.
    const SaveResult result = writeTo(entry.dirPath + entry.fileName);
    if (result != SaveResult::Saved)
        return result;
    data_.fileName = entry.fileName;
    data_.dirPath = entry.dirPath;
    data_.currentPath = entry.dirPath + entry.fileName;
    addRecentFile(data_, entry);
    writeSettings();
    return SaveResult::Saved;
}

SaveResult FileCommands::writeTo(const QString& path)
{
    QString reason;
    if (writeProgramFile(data_, path, &reason)) {
        data_.modified = 0;
        return SaveResult::Saved;
    }
    data_.modified = 1;
    host_.showWriteFailed(
        writeFailedMessage(texts_, data_.lanID, resolveProgramPath(data_, path), reason), SaveCaption);
    return SaveResult::WriteFailed;
}

bool FileCommands::saveQuestionAllows()
{
    if (!data_.modified)
        return true;
    const SaveResult result = saveProgramFile(SaveQuestion::Ask, SaveTarget::CurrentFile);
    return result == SaveResult::Saved || result == SaveResult::NotSaved;
}

void FileCommands::readCurrentFile()
{
    data_.clearPrograms();
    const ProgramFileState state = readProgramFile(data_, data_.currentPath);
    host_.programListReplaced();
    // What could be read is shown, so that a save keeps it; the user learns
    // that it is not the whole file.
    if (state != ProgramFileState::Whole)
        host_.showOpenFailed(programFileDamagedMessage(texts_, resolveProgramPath(data_, data_.currentPath)),
            openFailedCaption(texts_));
}

void FileCommands::writeSettings()
{
    const QString failure = storeSettings(data_, texts_);
    if (!failure.isEmpty())
        host_.showWriteFailed(failure, SaveCaption);
}

void FileCommands::publishRecentMenu()
{
    host_.recentMenuChanged(recentMenu());
}

std::vector<RecentMenuItem> FileCommands::recentMenu() const
{
    return recentMenuItems(data_, texts_);
}

void FileCommands::newFile()
{
    if (!saveQuestionAllows())
        return;
    data_.fileName = QStringLiteral("default.led");
    data_.dirPath = data_.paths.firstSaveDir;
    data_.currentPath.clear();
    data_.clearPrograms();
    host_.programListReplaced();
    writeSettings();
    publishRecentMenu();
}

void FileCommands::open()
{
    openFile(QString());
}

void FileCommands::openFile(const QString& path)
{
    if (!saveQuestionAllows())
        return;
    if (openProgramFile(path.isEmpty() ? QString() : relativeToSettingsDir(data_, path)) != OpenResult::Opened)
        return;
    readCurrentFile();
    publishRecentMenu();
    writeSettings();
}

void FileCommands::save()
{
    if (saveProgramFile(SaveQuestion::Skip, SaveTarget::CurrentFile) == SaveResult::Saved)
        publishRecentMenu();
}

void FileCommands::saveAs()
{
    if (saveProgramFile(SaveQuestion::Skip, SaveTarget::ChooseFile) == SaveResult::Saved)
        publishRecentMenu();
}

void FileCommands::openRecent(int index)
{
    if (index < 0 || index >= static_cast<int>(data_.recentFiles.size()))
        return;
    // Taken before the question: a Save As in answer may change the list.
    const RecentFile entry = data_.recentFiles[index];
    if (!saveQuestionAllows())
        return;
    // No dialog here, even for an entry whose path is empty.
    switch (openPath(entry.dirPath + entry.fileName)) {
    case OpenResult::Opened:
        readCurrentFile();
        publishRecentMenu();
        writeSettings();
        break;
    case OpenResult::Failed:
        publishRecentMenu(); // the dropped entry leaves the menu at once
        break;
    case OpenResult::Cancelled:
    case OpenResult::AlreadyOpen:
        break;
    }
}

void FileCommands::clearRecent()
{
    data_.recentFiles.clear();
    if (!data_.currentPath.isEmpty())
        data_.recentFiles.push_back({ data_.fileName, data_.dirPath });
    writeSettings();
    publishRecentMenu();
}

bool FileCommands::leave()
{
    if (!saveQuestionAllows())
        return false;
    writeSettings();
    return true;
}

bool FileCommands::runCommand(int command)
{
    switch (command) {
    case NewCommand:
    case CloseCommand:
        newFile();
        return true;
    case OpenCommand:
        open();
        return true;
    case SaveCommand:
        save();
        return true;
    case SaveAsCommand:
        saveAs();
        return true;
    case ClearRecentCommand:
        clearRecent();
        return true;
    default:
        break;
    }
    const int index = recentIndexForCommand(data_, command);
    if (index < 0)
        return false;
    openRecent(index);
    return true;
}

} // namespace tessel
