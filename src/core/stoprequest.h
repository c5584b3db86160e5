// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STOPREQUEST_H
#define STOPREQUEST_H

#include <atomic>

// A request that long work stop soon: made from anywhere, a signal handler
// included, and asked now and then by the work.
class StopRequest
{
public:
    // reason: non-zero, such as the signal that asked.
    void request(int reason = 1) { asked.store(reason, std::memory_order_relaxed); }
    bool requested() const { return asked.load(std::memory_order_relaxed) != 0; }
    int reason() const { return asked.load(std::memory_order_relaxed); }

private:
    std::atomic<int> asked{0};
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler sets it");
};

// Whether a request was made, where there is one.
inline bool stopRequested(const StopRequest *stop)
{
    return stop && stop->requested();
}

#endif
