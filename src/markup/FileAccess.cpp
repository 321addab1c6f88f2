#include "markup/FileAccess.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
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

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// The temporary file of a save is "." + the file's name + this + six letters
// or digits, in the file's folder.
constexpr char TemporaryInfix[] = ".tessel-";
constexpr size_t TemporaryUniqueLength = 6;

// The file that a save of path replaces: the end of the chain when path is a
// symbolic link, however many links deep, so that every link stays a link.
// A chain that ends in nothing names the file the save creates. 0 or errno.
int resolveLinks(const std::string& path, std::string& target)
{
    std::string current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat info { };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = current;
            return 0;
        }
        std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return errno;
        if (static_cast<size_t>(length) >= link.size())
            return ENAMETOOLONG; // the link changed while it was read
        link.resize(static_cast<size_t>(length));
        // A relative link is relative to the folder that holds it.
        const size_t slash = current.rfind('/');
        current = link.starts_with('/') || slash == std::string::npos ? link
                                                                      : current.substr(0, slash + 1) + link;
    }
    return ELOOP;
}

bool isTemporaryUnique(const char* text)
{
    for (size_t i = 0; i < TemporaryUniqueLength; ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return text[TemporaryUniqueLength] == '\0';
}

// Removes what a save of the same file left in its folder when it was killed
// before it could clean up: regular files of ours named exactly as that save
// names its temporary file. A save still running holds a lock on its
// temporary file and keeps it.
void removeLeftovers(const std::string& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0
            || !isTemporaryUnique(name + prefix.size()))
            continue;
        struct stat info { };
        if (::fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)
            || info.st_uid != ::geteuid())
            continue;
        const int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, name, 0);
        ::close(fd);
    }
    ::closedir(dir);
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
    std::string targetPath;
    if (const int code = resolveLinks(QFile::encodeName(path).toStdString(), targetPath))
        return fail(error, code);
    struct stat old { };
    const bool exists = ::stat(targetPath.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return fail(error, EISDIR);
    const size_t slash = targetPath.rfind('/');
    const std::string folder
        = slash == std::string::npos ? std::string(".") : targetPath.substr(0, slash + 1);
    const std::string prefix
        = '.' + (slash == std::string::npos ? targetPath : targetPath.substr(slash + 1)) + TemporaryInfix;
    removeLeftovers(folder, prefix);

    std::string pattern = (slash == std::string::npos ? std::string() : folder) + prefix
        + std::string(TemporaryUniqueLength, 'X');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno);
    OpenFile temporary(fd, pattern);
    // Marks the file as in use for as long as it is being written.
    ::flock(fd, LOCK_EX | LOCK_NB);

    const mode_t mode = exists ? (old.st_mode & 07777) : newFileMode();
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
