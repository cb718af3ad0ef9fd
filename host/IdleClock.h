// SPDX-License-Identifier: MIT
#pragma once
// The clock a session's idle loop keeps its pace by: the steady clock, or a
// test's own.

#include <chrono>
#include <thread>

class IdleClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~IdleClock() = default;
    virtual TimePoint now() { return std::chrono::steady_clock::now(); }
    virtual void sleepUntil(TimePoint when) { std::this_thread::sleep_until(when); }
};
