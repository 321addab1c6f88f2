// The one way the programs write a file, whatever it holds.
//
// A regular file is replaced whole: the content goes to a temporary file in
// the same folder, every write, flush and fsync checked, which is then renamed
// over the old one, keeping its mode, its group and, where the user may set
// it, its owner. On any failure the old file stays as it was and the
// temporary file is removed. A new file gets 0666 less the umask.
//
// A file with more than one hard link, a file whose group the replacement
// could not carry, and a file in a folder the user may not add to are
// rewritten in place instead, after the space for the new content has been
// reserved, so that a full disk still leaves them as they were.
//
// A FIFO or a device is opened and written in place, never replaced. A file
// the user may not write is refused as the system refuses it. Links are
// followed only as fs.protected_symlinks follows them (see LinkResolution.h).
#pragma once

#include "storage/FileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace tessel {

// Whether the path "-" names a file of that name or standard output, as it
// does for an output named on a command line.
enum class DashPath : uint8_t { File, StandardOutput };

class FileWriter {
public:
    explicit FileWriter(DashPath dash = DashPath::File);
    // Whatever was not committed is discarded: the old file stays as it was.
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Each returns false once anything has failed; error() says why.
    bool open(const QString& path);
    bool write(QByteArrayView bytes);
    bool commit();

    const FileError& error() const;

private:
    enum class Way : uint8_t { None, Replace, InPlace, Direct, StandardOutput };
    enum class Fallback : uint8_t { None, InPlace };

    bool openReplacement(const std::string& target, const struct stat* old, Fallback& fallback);
    bool commitInPlace();
    bool fail(int code);

    DashPath dash_;
    Way way_ = Way::None;
    int fd_ = -1;
    std::string target_;
    std::string temporary_; // removed unless the rename took place
    QByteArray pending_; // in place: the whole content, written by commit
    FileError error_;
    bool failed_ = false;
};

// The whole content at once.
bool writeFile(const QString& path, QByteArrayView bytes, FileError& error, DashPath dash = DashPath::File);

// The content of the regular file `source`, byte for byte, streamed in pieces.
bool writeFileCopy(const QString& path, const QString& source, FileError& error);

} // namespace tessel
