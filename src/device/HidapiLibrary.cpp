#include "device/HidapiLibrary.h"

#include <hidapi.h>
#include <mutex>

namespace tessel::HidapiLibrary {

namespace {
std::mutex usersMutex;
int users = 0;
} // namespace

bool acquire()
{
    std::lock_guard lock(usersMutex);
    if (users == 0 && hid_init() != 0)
        return false;
    ++users;
    return true;
}

void release()
{
    std::lock_guard lock(usersMutex);
    if (users == 0)
        return;
    if (--users == 0)
        hid_exit();
}

} // namespace tessel::HidapiLibrary
