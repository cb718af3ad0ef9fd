// SPDX-License-Identifier: MIT
// The game's sound-event writes carried from the page's effect to the
// worklet's: every game write once, none of the synthesizer's stores, and
// each landing as a game write that the synthesizer's store cannot undo.

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "web/SoundWriteRelay.h"

namespace {
using Pairs = std::vector<std::pair<uint32_t, uint32_t>>;

Pairs collect(SoundWriteRelay& relay, SoundEvents& events, bool all) {
    uint32_t words[2 * SoundWriteRelay::kMaxWrites];
    int32_t count = relay.collect(events, words, all);
    Pairs pairs;
    for (int32_t i = 0; i < count; ++i) pairs.emplace_back(words[2 * i], words[2 * i + 1]);
    return pairs;
}

TEST(SoundWriteRelay, CarriesEachGameWriteOnce) {
    SoundEvents page;
    SoundWriteRelay relay;
    EXPECT_EQ(collect(relay, page, false), Pairs{}) << "nothing written yet";
    page.gunState = 1;
    page.gunLevel = 0.25f;
    page.gunLevel = 0.5f;  // the last value of a field goes
    page.editorOpen = 1;
    EXPECT_EQ(collect(relay, page, false),
              (Pairs{{5, 1}, {8, std::bit_cast<uint32_t>(0.5f)}, {16, 1}}));
    EXPECT_EQ(collect(relay, page, false), Pairs{}) << "sent already";
    page.gunState = 1;  // the same value written again is a write
    EXPECT_EQ(collect(relay, page, false), (Pairs{{5, 1}}));
    // The synthesizer's stores are not the game's writes.
    page.gunCounter.storeUnlessWritten(page.gunCounter.snapshot(), 7);
    EXPECT_EQ(collect(relay, page, false), Pairs{});
    EXPECT_EQ(collect(relay, page, true).size(), 3u) << "a new worklet gets every field written";
}

TEST(SoundWriteRelay, AppliesAsGameWrites) {
    SoundEvents worklet;
    uint64_t blockStart = worklet.enemyLevel.snapshot();
    EXPECT_TRUE(SoundWriteRelay::apply(worklet, 11, std::bit_cast<uint32_t>(0.135f)));
    EXPECT_TRUE(SoundWriteRelay::apply(worklet, 0, uint32_t(-1)));
    EXPECT_EQ(float(worklet.enemyLevel), 0.135f);
    EXPECT_EQ(int32_t(worklet.planeSoundMode), -1);
    // A block that began before the write stores nothing over it.
    worklet.enemyLevel.storeUnlessWritten(blockStart, 0.0f);
    EXPECT_EQ(float(worklet.enemyLevel), 0.135f);
    for (int32_t index : {-1, SoundEvents::kFieldCount})
        EXPECT_FALSE(SoundWriteRelay::apply(worklet, index, 1)) << index;
}
}  // namespace
