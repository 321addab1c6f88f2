// A manual-reset event: once set it stays signalled until reset, and a timed
// wait ends early when it is signalled.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tessel {

class StopEvent {
public:
    void set();
    void reset();
    // True when the event is (or becomes) signalled within `timeout`.
    bool waitFor(std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable signalled_;
    bool set_ = false;
};

} // namespace tessel
