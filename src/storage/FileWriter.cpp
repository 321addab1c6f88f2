#include "storage/FileWriter.h"

#include "storage/LinkResolution.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

namespace {

// The temporary file of a save is "." + the file's name + this + six letters
// or digits, in the file's folder.
constexpr char TemporaryInfix[] = ".tessel-";
constexpr size_t TemporaryUniqueLength = 6;
constexpr qint64 CopyChunkSize = 64 * 1024;

enum class WritePosition : uint8_t { Current, FromStart };

bool writeAll(int fd, QByteArrayView bytes, WritePosition position = WritePosition::Current)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    off_t offset = 0;
    while (left > 0) {
        const size_t count = static_cast<size_t>(left);
        const ssize_t written
            = position == WritePosition::FromStart ? ::pwrite(fd, p, count, offset) : ::write(fd, p, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= written;
        offset += written;
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
        const int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// Makes the rename itself durable; a folder that cannot be synced has
// nothing the save could do about it.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool closeChecked(int& fd)
{
    const int closing = fd;
    fd = -1;
    return ::close(closing) == 0;
}

} // namespace

FileWriter::FileWriter(DashPath dash)
    : dash_(dash)
{
}

FileWriter::~FileWriter()
{
    if (fd_ >= 0 && way_ != Way::StandardOutput)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

const FileError& FileWriter::error() const
{
    return error_;
}

bool FileWriter::fail(int code)
{
    failed_ = true;
    return failWith(error_, code);
}

bool FileWriter::open(const QString& path)
{
    if (failed_ || way_ != Way::None)
        return fail(EBADF);
    if (path.isEmpty())
        return fail(ENOENT);
    if (dash_ == DashPath::StandardOutput && path == QLatin1String("-")) {
        // What the program printed before must come first.
        std::fflush(stdout);
        way_ = Way::StandardOutput;
        fd_ = STDOUT_FILENO;
        return true;
    }
    if (!resolveLinks(QFile::encodeName(path).toStdString(), target_, error_)) {
        failed_ = true;
        return false;
    }
    struct stat old { };
    if (::stat(target_.c_str(), &old) != 0) {
        if (errno != ENOENT)
            return fail(errno);
        Fallback fallback = Fallback::None;
        return openReplacement(target_, nullptr, fallback);
    }
    if (S_ISDIR(old.st_mode))
        return fail(EISDIR);
    if (!S_ISREG(old.st_mode)) {
        // A device or a FIFO is the destination itself: replacing it would
        // put a plain file where the system or a reader expects it.
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0)
            return fail(errno);
        way_ = Way::Direct;
        return true;
    }
    // The system decides whether the user may write the file (a read-only
    // file, a read-only file system); nothing is changed by asking.
    const int existing = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (existing < 0)
        return fail(errno);
    Fallback fallback = Fallback::None;
    // A rename would leave the file's other names with the old content.
    if (old.st_nlink <= 1) {
        if (openReplacement(target_, &old, fallback)) {
            ::close(existing);
            return true;
        }
        if (fallback == Fallback::None) {
            ::close(existing);
            return false;
        }
    }
    way_ = Way::InPlace;
    fd_ = existing;
    return true;
}

bool FileWriter::openReplacement(const std::string& target, const struct stat* old, Fallback& fallback)
{
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string prefix
        = '.' + (slash == std::string::npos ? target : target.substr(slash + 1)) + TemporaryInfix;
    removeLeftovers(folder, prefix);

    std::string pattern = (slash == std::string::npos ? std::string() : folder) + prefix
        + std::string(TemporaryUniqueLength, 'X');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        // A file the user may write in a folder they may not add to.
        if (old && (code == EACCES || code == EPERM))
            fallback = Fallback::InPlace;
        return fallback == Fallback::None ? fail(code) : false;
    }
    fd_ = fd;
    temporary_ = pattern;
    way_ = Way::Replace;
    // Marks the file as in use for as long as it is being written.
    ::flock(fd, LOCK_EX | LOCK_NB);

    const auto giveUp = [this] {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.c_str());
        temporary_.clear();
        way_ = Way::None;
    };
    if (old) {
        // Owner and group first: a change of owner clears the set-id bits
        // that the mode then restores. Only the owner's part may fail.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // The group's members would lose the file: keep it as it is.
            giveUp();
            fallback = Fallback::InPlace;
            return false;
        }
    }
    mode_t mode = old ? (old->st_mode & 07777) : newFileMode();
    // A set-user-id bit belongs to its owner: a file that changed hands drops it.
    struct stat made { };
    if (old && (::fstat(fd, &made) != 0 || made.st_uid != old->st_uid))
        mode &= ~mode_t(S_ISUID);
    if (::fchmod(fd, mode) != 0) {
        const int code = errno;
        giveUp();
        return fail(code);
    }
    return true;
}

bool FileWriter::write(QByteArrayView bytes)
{
    if (failed_ || way_ == Way::None)
        return failed_ ? false : fail(EBADF);
    if (way_ == Way::InPlace) {
        pending_.append(bytes);
        return true;
    }
    return writeAll(fd_, bytes) || fail(errno);
}

bool FileWriter::commit()
{
    if (failed_ || way_ == Way::None)
        return failed_ ? false : fail(EBADF);
    switch (way_) {
    case Way::Replace: {
        if (::fsync(fd_) != 0)
            return fail(errno);
        if (!closeChecked(fd_))
            return fail(errno);
        if (::rename(temporary_.c_str(), target_.c_str()) != 0)
            return fail(errno);
        temporary_.clear();
        const size_t slash = target_.rfind('/');
        syncFolder(slash == std::string::npos ? std::string(".") : target_.substr(0, slash + 1));
        break;
    }
    case Way::InPlace:
        if (!commitInPlace())
            return false;
        break;
    case Way::Direct:
        if (!closeChecked(fd_))
            return fail(errno);
        break;
    case Way::StandardOutput:
        // Standard output stays open for whatever the program writes next.
        fd_ = -1;
        break;
    case Way::None:
        break;
    }
    way_ = Way::None;
    return true;
}

bool FileWriter::commitInPlace()
{
    const off_t size = static_cast<off_t>(pending_.size());
    // The space first, so that a full disk refuses the save before the old
    // content is touched. File systems without reservation go on without.
    if (size > 0 && ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        return fail(errno);
    if (!writeAll(fd_, pending_, WritePosition::FromStart) || ::ftruncate(fd_, size) != 0 || ::fsync(fd_) != 0)
        return fail(errno);
    if (!closeChecked(fd_))
        return fail(errno);
    return true;
}

bool writeFile(const QString& path, QByteArrayView bytes, FileError& error, DashPath dash)
{
    FileWriter writer(dash);
    const bool written = writer.open(path) && writer.write(bytes) && writer.commit();
    if (!written)
        error = writer.error();
    return written;
}

bool writeFileCopy(const QString& path, const QString& source, FileError& error)
{
    QFile in(source);
    struct stat info { };
    if (::stat(QFile::encodeName(source).constData(), &info) != 0)
        return failWith(error, errno);
    if (!S_ISREG(info.st_mode))
        return failWith(error, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (!in.open(QIODevice::ReadOnly))
        return failWith(error, EACCES);
    FileWriter writer;
    if (!writer.open(path)) {
        error = writer.error();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(CopyChunkSize);
        if (chunk.isEmpty())
            return failWith(error, EIO);
        if (!writer.write(chunk)) {
            error = writer.error();
            return false;
        }
    }
    if (!writer.commit()) {
        error = writer.error();
        return false;
    }
    return true;
}

} // namespace tessel
