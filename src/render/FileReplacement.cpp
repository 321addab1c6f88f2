#include "render/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <functional>

namespace tessel {

namespace {

constexpr qint64 CopyChunkSize = 64 * 1024;

bool replaceWith(const QString& path, const std::function<bool(QFile&)>& fill)
{
    QTemporaryFile temporary(path + QStringLiteral(".XXXXXX"));
    if (!temporary.open() || !fill(temporary) || !temporary.flush())
        return false;
    // POSIX rename replaces the target in one step (QFile::rename refuses
    // to overwrite).
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData())
        != 0)
        return false;
    temporary.setAutoRemove(false);
    // The temporary file is created private; the picture is not.
    QFile::setPermissions(path,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

} // namespace

bool ReplaceFileWith(const QString& path, QByteArrayView bytes)
{
    return replaceWith(
        path, [&](QFile& out) { return out.write(bytes.data(), bytes.size()) == bytes.size(); });
}

bool ReplaceFileWithCopy(const QString& path, const QString& source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return replaceWith(path, [&](QFile& out) {
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(CopyChunkSize);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
}

} // namespace tessel
