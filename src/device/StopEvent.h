// A manual-reset event: once set it stays signalled until reset, and a timed
// wait ends early when it is signalled. A wake also ends a wait early without
// signalling the event: the wait in progress, or else the next one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tessel {

class StopEvent {
public:
    void set();
    // Clears the signal and any pending wake.
    void reset();
    void wake();
    // True when the event is (or becomes) signalled within `timeout`.
    bool waitFor(std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable signalled_;
    bool set_ = false;
    bool woken_ = false;
};

} // namespace tessel
