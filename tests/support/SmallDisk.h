// A small tmpfs mounted on a folder for as long as the object lives: a disk
// that fills up, or one made read-only. Only root may mount one.
#pragma once

#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>

namespace tessel::test {

class SmallDisk {
public:
    // size as mount takes it, "64k" for example.
    SmallDisk(const QString& folder, const char* size)
        : at_(QFile::encodeName(folder).toStdString())
    {
        const std::string options = std::string("size=") + size;
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_)
            why_ = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why it could not be mounted.
    const std::string& why() const { return why_; }
    bool makeReadOnly() { return ::mount(nullptr, at_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    std::string at_;
    bool mounted_ = false;
    std::string why_;
};

} // namespace tessel::test
