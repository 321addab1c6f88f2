#include "files/ProgramPath.h"

#include "model/AppData.h"

#include <QDir>

namespace tessel {

PathParts splitAtLastSeparator(const QString& path)
{
    const qsizetype cut = path.lastIndexOf(u'/') + 1;
    return { path.left(cut), path.mid(cut) };
}

bool isWindowsFolder(const QString& folder)
{
    const bool driveLetter = folder.size() >= 2 && folder.at(0).isLetter() && folder.at(0).unicode() < 128
        && folder.at(1) == u':' && (folder.size() == 2 || folder.at(2) == u'\\' || folder.at(2) == u'/');
    return driveLetter || (folder.contains(u'\\') && !folder.contains(u'/'));
}

QString folderFromStore(const QString& folder)
{
    if (!isWindowsFolder(folder))
        return folder;
    QString native = folder;
    native.replace(u'\\', u'/');
    return native;
}

QString relativeToSettingsDir(const AppData& data, const QString& path)
{
    const QString& settingsDir = data.paths.settingsDir;
    if (!settingsDir.isEmpty() && path.startsWith(settingsDir))
        return path.mid(settingsDir.size());
    return path;
}

QString resolveProgramPath(const AppData& data, const QString& path)
{
    if (!path.isEmpty() && !QDir::isRelativePath(path))
        return path;
    return data.paths.settingsDir + path;
}

} // namespace tessel
