// Reading files the user or the system may have replaced with something
// hostile: only regular files are read, and a FIFO or a device is never
// opened in a way that could block.
#pragma once

#include "storage/FileError.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tessel {

enum class FileKind : uint8_t {
    Missing,
    Regular,
    Folder,
    Special, // a FIFO, a device or a socket
};

// What is at path, following links as an open would.
FileKind fileKindOf(const QString& path);

// Reads a regular file of at most maxSize bytes. A folder fails with EISDIR,
// any other file that is not regular with EINVAL, a larger file with EFBIG.
bool readWholeFile(const QString& path, qsizetype maxSize, QByteArray& bytes, FileError& error);

} // namespace tessel
