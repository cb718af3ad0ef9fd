// SPDX-License-Identifier: MIT
#pragma once
// One block through an effect's process, checked sample by sample: what
// `check` runs at every rate and block size it tries.

#include <cstdint>
#include <string>

#include "host/RenderBlocks.h"

struct TestSignal {
    const char* name;
    float even, odd;  // alternating samples
};

// Silence, full scale, NaN and infinity.
extern const TestSignal kTestSignals[4];

enum class BlockBuffers {
    replacing,     // separate buffers, the output replaced
    accumulating,  // separate buffers, the input added to the output
    inPlace,       // each output the buffer of its input
};

// Runs one block of `frames` with guard samples past its end: the output
// must be the input (plus the earlier output when accumulating), the input
// unchanged, and nothing past the block may change. Returns why not.
std::string runBlock(const BlockProcess& process, BlockBuffers buffers, int32_t frames,
                     const TestSignal& signal);
