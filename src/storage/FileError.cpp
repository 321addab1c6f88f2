#include "storage/FileError.h"

#include <cstring>

namespace tessel {

bool failWith(FileError& error, int code)
{
    error.code = code;
    error.message = QString::fromLocal8Bit(std::strerror(code)).section(u'\n', 0, 0);
    return false;
}

} // namespace tessel
