#include "render/IconFile.h"

#include "render/PictureFile.h"

namespace tessel {

QString IconFilePath(const QString& dataDir, int size, QStringView code)
{
    return dataDir + QStringLiteral("image/%1/").arg(size) + code.toString() + QStringLiteral(".bmp");
}

QImage LoadIconBitmap(const QString& dataDir, int size, QStringView code)
{
    QImage icon = LoadPicture(IconFilePath(dataDir, size, code));
    if (icon.isNull() || icon.size() == QSize(size, size))
        return icon;
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace tessel
