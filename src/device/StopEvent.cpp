#include "device/StopEvent.h"

namespace tessel {

void StopEvent::set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    signalled_.notify_all();
}

void StopEvent::reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
    woken_ = false;
}

void StopEvent::wake()
{
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    signalled_.notify_all();
}

bool StopEvent::waitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    signalled_.wait_for(lock, timeout, [this] { return set_ || woken_; });
    woken_ = false;
    return set_;
}

} // namespace tessel
