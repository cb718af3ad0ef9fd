// SPDX-License-Identifier: MIT
// The synthesizer against the outputs recorded by tools/sound_golden.cpp,
// bit for bit, on every case of SoundCases.h.

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/plugin/SoundCases.h"
#include "tests/plugin/SoundGolden.inc"

using namespace sound_cases;

namespace {
std::string describe(const Case& c) {
    std::ostringstream text;
    text << (c.mode == OutputMode::Replace ? "replacing" : "accumulating")
         << (c.inPlace ? " in place" : "") << ", seed " << c.seed << ", blocks";
    for (int32_t frames : c.blocks) text << ' ' << frames;
    text << ", from";
    SoundValues start = c.start;
    start.pairWith(start, [&](auto& value, auto&, int) { text << ' ' << value; });
    return text.str();
}

// Which block, channel and frame the sample at `at` of a case's outputs is.
std::string where(const Case& c, size_t at) {
    for (size_t block = 0; block < c.blocks.size(); ++block) {
        size_t frames = size_t(c.blocks[block]);
        if (at < 2 * frames) {
            return "block " + std::to_string(block) + " channel " + std::to_string(at / frames) +
                   " frame " + std::to_string(at % frames);
        }
        at -= 2 * frames;
    }
    return "past the end";
}

uint32_t recorded(int index, int which) {
    std::string digits(kGoldenHashes + index * 24 + which * 8, 8);
    return uint32_t(std::strtoul(digits.c_str(), nullptr, 16));
}
}  // namespace

TEST(SoundGolden, WholeOutputsAsRecorded) {
    size_t offset = 0;
    for (int index = 0; index < kWholeCases; ++index) {
        Case c = makeCase(index);
        Result r = run(c);
        ASSERT_LE(offset + r.samples.size(), std::size(kGoldenSamples));
        for (size_t i = 0; i < r.samples.size(); ++i) {
            uint32_t expected = kGoldenSamples[offset + i];
            ASSERT_EQ(r.samples[i], expected)
                << "case " << index << " (" << describe(c) << ") " << where(c, i) << ": "
                << std::bit_cast<float>(r.samples[i]) << " against "
                << std::bit_cast<float>(expected);
        }
        offset += r.samples.size();
    }
    EXPECT_EQ(offset, std::size(kGoldenSamples));
}

TEST(SoundGolden, EveryCaseAsRecorded) {
    static_assert(sizeof(kGoldenHashes) == kCaseCount * 24 + 1);
    int failures = 0;
    for (int index = 0; index < kCaseCount; ++index) {
        Case c = makeCase(index);
        Result r = run(c);
        const char* parts[] = {"samples", "values", "random draws"};
        uint32_t hashes[] = {hashWords(r.samples), hashWords(r.values), hashWords(r.draws)};
        for (int which = 0; which < 3; ++which) {
            if (hashes[which] == recorded(index, which)) continue;
            // The first few failures in full; the count tells the rest.
            if (++failures <= 5)
                ADD_FAILURE() << "case " << index << ": " << parts[which] << " differ ("
                              << describe(c) << ")";
        }
    }
    EXPECT_EQ(failures, 0) << "hashes differing";
}
