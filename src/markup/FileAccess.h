// Reading a whole file, and replacing a file's contents safely: the bytes go
// to a temporary file in the same folder, which is then renamed over the
// target, so a crash or a full disk never leaves a half-written file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tessel {

struct FileError {
    int code = 0; // errno
    QString message; // first line of the system's text for the code
};

// Reads a regular file of at most maxSize bytes.
bool readWholeFile(const QString& path, qsizetype maxSize, QByteArray& bytes, FileError& error);

// On failure the old file is untouched and no temporary file stays behind.
// A path that is a symbolic link, or a chain of them, replaces the file at
// the end of the chain. Temporary files that an interrupted save of the same
// file left behind are removed first.
bool replaceFileContents(const QString& path, QByteArrayView bytes, FileError& error);

} // namespace tessel
