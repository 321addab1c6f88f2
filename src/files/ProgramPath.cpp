#include "files/ProgramPath.h"

#include "model/AppData.h"

#include <QDir>

namespace tessel {

PathParts splitAtLastSeparator(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    return { path.left(cut), path.mid(cut) };
}

QString relativeToExeDir(const AppData& data, const QString& path)
{
    if (!data.exeDir.isEmpty() && path.startsWith(data.exeDir))
        return path.mid(data.exeDir.size());
    return path;
}

QString resolveProgramPath(const AppData& data, const QString& path)
{
    QString native = path;
    native.replace(u'\\', u'/');
    if (!native.isEmpty() && !QDir::isRelativePath(native))
        return native;
    return data.exeDir + native;
}

} // namespace tessel
