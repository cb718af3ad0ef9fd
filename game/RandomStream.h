// SPDX-License-Identifier: MIT
#pragma once
// The module's own random numbers, 0 to 32767 on every platform (the C
// library's rand differs in range between platforms). Each thread that draws
// has a stream of its own.

#include <cstdint>

class RandomStream {
public:
    static constexpr int32_t kMax = 32767;

    explicit RandomStream(uint32_t seed = 1) : state(seed) {}
    void seed(uint32_t newSeed) { state = newSeed; }
    int32_t next() {
        state = state * 214013u + 2531011u;
        return int32_t((state >> 16) & 0x7FFF);
    }

private:
    uint32_t state;
};
