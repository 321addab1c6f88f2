// What the file tests share: files in a temporary folder that
// stands for the program's own folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tessel::test {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A temporary folder whose path ends in "/", as exeDir does.
class TempFolder {
public:
    QString path() const { return dir_.path() + u'/'; }
    QString file(const QString& name) const { return path() + name; }

private:
    QTemporaryDir dir_;
};

} // namespace tessel::test
