// SPDX-License-Identifier: MIT
#pragma once
// Random edge states of the synthesizer, each run over a few blocks, and
// what the run produced, hashed. tools/sound_golden.cpp records the hashes
// of every case; the golden test checks the synthesizer against them.
//
// The states reach every switch and limit the generators test: the hum's
// and roar's counters at their draws and the roar's end, the gun's counter
// at its period, the sweep at its turns and bend changes, the rumble's
// counter at its half-wave ends, levels just above each silence, and odd
// levels and pans (zero, subnormal, infinite, not a number, out of range).

#include <cstdint>
#include <vector>

#include "plugin/SoundSynth.h"

namespace sound_cases {

constexpr int kCaseCount = 3000;
// The first few cases keep their whole outputs in the golden data, so a
// failure shows the first sample that differs.
constexpr int kWholeCases = 4;

struct Case {
    SoundValues start;
    uint32_t seed;  // of the synthesizer's random stream
    OutputMode mode;
    bool inPlace;  // inputs and outputs the same arrays
    std::vector<int32_t> blocks;  // frames of each block, run in turn
};

Case makeCase(int index);

// What a case produced. Any float that is not a number is kept as one
// canonical value: its sign and payload depend on the order of evaluation,
// which differs between the x87 and SSE builds.
struct Result {
    // Every block's outputs, channel 0 then channel 1 per block, as float bits.
    std::vector<uint32_t> samples;
    // The sound values after the last block, as bits, in field order.
    std::vector<uint32_t> values;
    // The next draws from the random stream after the last block.
    std::vector<uint32_t> draws;
};

Result run(const Case& c);

uint32_t hashWords(const std::vector<uint32_t>& words);  // 32-bit FNV-1a

}  // namespace sound_cases
