#include "storage/LinkResolution.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

namespace {

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The kernel's rule: in a folder anyone may add to but only owners may
// clean up, a link counts only when its owner is the follower or the folder's.
bool mayFollow(const std::string& link, const struct stat& linkInfo)
{
    struct stat folder { };
    if (::stat(folderOf(link).c_str(), &folder) != 0)
        return false;
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    if ((folder.st_mode & Shared) != Shared)
        return true;
    return linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folder.st_uid;
}

} // namespace

bool resolveLinks(const std::string& path, std::string& target, FileError& error)
{
    std::string current = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat info { };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = current;
            return true;
        }
        if (!mayFollow(current, info)) {
            failWith(error, EACCES);
            error.refusedLink = QFile::decodeName(current.c_str());
            error.message += QStringLiteral(" (the link %1 is in a shared folder and belongs to another user)")
                                 .arg(error.refusedLink);
            return false;
        }
        std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return failWith(error, errno);
        if (static_cast<size_t>(length) >= link.size())
            return failWith(error, ENAMETOOLONG); // the link changed while it was read
        link.resize(static_cast<size_t>(length));
        // A relative link is relative to the folder that holds it.
        const size_t slash = current.rfind('/');
        current = link.starts_with('/') || slash == std::string::npos ? link
                                                                      : current.substr(0, slash + 1) + link;
    }
    return failWith(error, ELOOP);
}

} // namespace tessel
