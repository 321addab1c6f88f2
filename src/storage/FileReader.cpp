#include "storage/FileReader.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

FileKind fileKindOf(const QString& path)
{
    struct stat info { };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileKind::Missing;
    if (S_ISREG(info.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(info.st_mode))
        return FileKind::Folder;
    return FileKind::Special;
}

bool readWholeFile(const QString& path, qsizetype maxSize, QByteArray& bytes, FileError& error)
{
    bytes.clear();
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return failWith(error, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        return failWith(error, errno);
    // Devices and pipes could feed bytes without end.
    if (S_ISDIR(info.st_mode))
        return failWith(error, EISDIR);
    if (!S_ISREG(info.st_mode))
        return failWith(error, EINVAL);
    if (info.st_size > maxSize)
        return failWith(error, EFBIG);
    bytes.resize(static_cast<qsizetype>(info.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            bytes.clear();
            return failWith(error, errno);
        }
        if (n == 0)
            break; // the file shrank while it was read
        got += n;
    }
    bytes.truncate(got);
    return true;
}

} // namespace tessel
