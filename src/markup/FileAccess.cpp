#include "markup/FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

namespace {

bool fail(FileError& error, int code)
{
    error.code = code;
    error.message = QString::fromLocal8Bit(std::strerror(code)).section(u'\n', 0, 0);
    return false;
}

// Closes a descriptor and, when given the path of a temporary file, removes
// that file unless released.
class OpenFile {
public:
    OpenFile(int fd, std::string path)
        : fd_(fd)
        , path_(std::move(path))
    {
    }
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the descriptor; false (errno set) when the final write-back failed.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void release() { path_.clear(); }

private:
    int fd_;
    std::string path_;
};

bool writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

// The permissions a new file gets: read and write as the umask allows.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool readWholeFile(const QString& path, qsizetype maxSize, QByteArray& bytes, FileError& error)
{
    bytes.clear();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno);
    const OpenFile file(fd, std::string());
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        return fail(error, errno);
    // Devices and pipes could feed bytes without end.
    if (S_ISDIR(info.st_mode))
        return fail(error, EISDIR);
    if (!S_ISREG(info.st_mode))
        return fail(error, EINVAL);
    if (info.st_size > maxSize)
        return fail(error, EFBIG);
    bytes.resize(static_cast<qsizetype>(info.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            bytes.clear();
            return fail(error, errno);
        }
        if (n == 0)
            break; // the file shrank while it was read
        got += n;
    }
    bytes.truncate(got);
    return true;
}

bool replaceFileContents(const QString& path, QByteArrayView bytes, FileError& error)
{
    // Writing through a symbolic link replaces the file it points to.
    QFileInfo target(path);
    if (target.isSymLink())
        target = QFileInfo(target.symLinkTarget());
    if (target.isDir())
        return fail(error, EISDIR);
    const std::string targetPath = QFile::encodeName(target.absoluteFilePath()).toStdString();
    std::string pattern = QFile::encodeName(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"))
                              .toStdString();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno);
    OpenFile temporary(fd, pattern);

    struct stat old { };
    const mode_t mode = ::stat(targetPath.c_str(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0)
        return fail(error, errno);
    if (!temporary.close())
        return fail(error, errno);
    if (::rename(temporary.path().c_str(), targetPath.c_str()) != 0)
        return fail(error, errno);
    temporary.release();
    return true;
}

} // namespace tessel
