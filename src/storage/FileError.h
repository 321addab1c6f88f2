// Why a file could not be read or written: the system's error code and its
// text, as the user should be told it.
#pragma once

#include <QString>

namespace tessel {

struct FileError {
    int code = 0; // errno
    QString message; // first line of the system's text for the code
    // Set when a save was refused because it would follow a link that another
    // user planted in a shared folder: the link's path.
    QString refusedLink;
};

// Sets error from errno value `code`; always false, for `return fail(...)`.
bool failWith(FileError& error, int code);

} // namespace tessel
