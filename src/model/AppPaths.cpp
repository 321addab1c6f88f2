#include "model/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessel {

namespace {

// The name of the program's own folder under the user's configuration and
// cache folders. Fixed here rather than taken from the application name,
// which differs between the editor and tessel-cli.
const QString FolderName = QStringLiteral("tessel");

QString withSlash(const QString& folder)
{
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

QString userFolder(QStandardPaths::StandardLocation location)
{
    return withSlash(QStandardPaths::writableLocation(location)) + FolderName + u'/';
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return withSlash(documents);
    return withSlash(QDir::homePath());
}

} // namespace

ExeFolder InspectExeFolder(const QString& exeDir)
{
    ExeFolder folder;
    folder.path = withSlash(exeDir);
    folder.holdsLanguage = QFileInfo(folder.path + QStringLiteral("language")).isDir();
    folder.holdsAppXml = QFileInfo::exists(folder.path + QStringLiteral("app.xml"));
    folder.writable = QFileInfo(folder.path).isWritable();
    return folder;
}

AppPaths PortablePaths(const QString& exeDir)
{
    AppPaths paths;
    paths.layout = PathLayout::Portable;
    paths.exeDir = withSlash(exeDir);
    paths.dataDir = paths.exeDir;
    paths.settingsDir = paths.exeDir;
    paths.appXmlPath = paths.exeDir + QStringLiteral("app.xml");
    paths.previewPath = paths.exeDir + QStringLiteral("pre.bmp");
    paths.firstSaveDir = paths.exeDir;
    return paths;
}

AppPaths LocateAppPaths(const ExeFolder& folder)
{
    // A writable folder without the data is not taken for a portable copy:
    // <prefix>/bin is writable for the administrator, whose settings belong
    // in the home folder all the same.
    const bool portableSettings = folder.holdsAppXml || (folder.holdsLanguage && folder.writable);
    AppPaths paths = PortablePaths(folder.path);
    if (!folder.holdsLanguage)
        paths.dataDir = withSlash(QDir::cleanPath(folder.path + QStringLiteral("../share/tessel")));
    if (portableSettings)
        return paths;
    paths.layout = PathLayout::Installed;
    paths.settingsDir = userFolder(QStandardPaths::GenericConfigLocation);
    paths.appXmlPath = paths.settingsDir + QStringLiteral("app.xml");
    paths.previewPath = userFolder(QStandardPaths::GenericCacheLocation) + QStringLiteral("pre.bmp");
    paths.firstSaveDir = documentsFolder();
    return paths;
}

AppPaths LocateAppPaths(const QString& exeDir)
{
    return LocateAppPaths(InspectExeFolder(exeDir));
}

} // namespace tessel
