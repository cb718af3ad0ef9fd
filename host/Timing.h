// SPDX-License-Identifier: MIT
#pragma once
// How long a call repeated through a session takes: how often, on average
// and at worst.

#include <algorithm>
#include <chrono>

struct Timing {
    double total = 0, worst = 0;  // seconds
    long count = 0;

    template <typename Call>
    void measure(Call&& call) {
        auto started = std::chrono::steady_clock::now();
        call();
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        total += seconds;
        worst = std::max(worst, seconds);
        ++count;
    }
    double meanMicros() const { return count ? total / double(count) * 1e6 : 0.0; }
};
