// The file a save of a path writes: the end of its chain of symbolic links,
// followed only as the kernel follows links when fs.protected_symlinks is
// set, so that another user cannot redirect a save by planting a link in a
// shared folder such as the system's temporary folder.
#pragma once

#include "storage/FileError.h"

#include <string>

namespace tessel {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

// The end of the chain in target (path itself when it is no link; a chain
// that ends in nothing names the file the save creates). A link inside a
// sticky, world-writable folder is followed only when it belongs to the user
// or to the folder's owner; otherwise EACCES with refusedLink set.
bool resolveLinks(const std::string& path, std::string& target, FileError& error);

} // namespace tessel
