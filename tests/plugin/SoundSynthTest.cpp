// SPDX-License-Identifier: MIT
// The game's sound generators, driven one sample or one block at a time.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugin/GamePlugin.h"
#include "plugin/SoundSynth.h"
#include "tests/support/AllocationCounter.h"

namespace {
struct Frame {
    float left, right;
};

class Synth : public testing::Test {
protected:
    // Runs one frame of silence (replacing) and returns what the generators added.
    Frame step() {
        float in0 = 0, in1 = 0, out0 = 0, out1 = 0;
        float* in[2] = {&in0, &in1};
        float* out[2] = {&out0, &out1};
        synthesizeBlock(events, random, in, out, 1, OutputMode::Replace);
        return {out0, out1};
    }
    // Lengths of the rumble's first half waves, counted by the sign of the wave.
    std::vector<int> halfWaves(int count) {
        std::vector<int> lengths;
        int run = 0;
        float sign = 1.0f;
        while (int(lengths.size()) < count) {
            step();
            float wave = events.enemyWave;
            if ((wave > 0) == (sign > 0)) {
                ++run;
            } else {
                lengths.push_back(run);
                run = 1;
                sign = -sign;
            }
        }
        return lengths;
    }

    SoundEvents events;
    RandomStream random{1234};
};
}  // namespace

TEST_F(Synth, FreshEffectPassesAudioThroughUnchanged) {
    GamePlugin effect(nullptr);
    std::vector<float> left(300), right(300), outLeft(300, 0.5f), outRight(300, -0.25f);
    for (int i = 0; i < 300; ++i) {
        left[i] = float(i) / 300.0f - 0.5f;
        right[i] = 0.25f - float(i % 7) / 10.0f;
    }
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outLeft.data(), outRight.data()};
    effect.process(in, out, 300);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(outLeft[i], float(double(left[i]) + 0.5)) << i;
        ASSERT_EQ(outRight[i], float(double(right[i]) - 0.25)) << i;
    }
    effect.processReplacing(in, out, 300);
    EXPECT_EQ(outLeft, left);
    EXPECT_EQ(outRight, right);
}

TEST_F(Synth, HumDrawsOnTheFifthFrameThenEveryThirteen) {
    events.planeSoundMode = 0;
    events.planeSoundLevel = 0.25f;
    std::vector<int> draws;
    RandomStream expected{1234};
    for (int frame = 0; frame < 50; ++frame) {
        step();
        if (events.planeSoundCounter == 0) {
            draws.push_back(frame);
            EXPECT_EQ(events.planeNoise, float(expected.next() / 32767.0));
            EXPECT_EQ(events.planeSoundLevel, 0.25f);
        }
    }
    EXPECT_EQ(draws, (std::vector<int>{4, 17, 30, 43}));
}

TEST_F(Synth, FrozenNoiseStillSoundsAsAnOffset) {
    events.planeSoundMode = -1;
    events.planeNoise = 1.0f;
    events.planeSoundLevel = 0.25f;
    events.planePan = 0.5f;
    for (int i = 0; i < 20; ++i) {
        Frame f = step();
        ASSERT_EQ(f.left, 0.125f);
        ASSERT_EQ(f.right, 0.125f);
    }
    EXPECT_EQ(events.planeSoundCounter, 8);  // frozen: nothing advances
}

TEST_F(Synth, GunHalfWaveSwitchesAfterItsPeriod) {
    events.gunState = 1;
    events.gunCounter = 10;
    events.gunPeriod = 10;
    events.gunLevel = 0.25f;
    events.gunPan = 0.5f;
    Frame first = step();
    EXPECT_GT(first.left, 0.0f);
    EXPECT_EQ(first.left, 0.125f);
    EXPECT_EQ(events.gunPeriod, 11);
    EXPECT_EQ(events.gunCounter, 0);
    EXPECT_EQ(events.gunState, 2);
    Frame second = step();
    EXPECT_LT(second.left, 0.0f);
    EXPECT_LT(second.right, 0.0f);
    EXPECT_EQ(events.gunLevel, float(float(0.25 * 0.9998835) * 0.9998835));
}

TEST_F(Synth, GunHalfWavesGrowByOneSampleFromTheGamesStart) {
    events.gunState = 1;
    events.gunPeriod = 10;
    events.gunLevel = 0.25f;
    std::vector<int> lengths;
    int run = 0;
    bool positive = true;
    while (lengths.size() < 4) {
        Frame f = step();
        if ((f.left > 0) == positive) {
            ++run;
        } else {
            lengths.push_back(run);
            run = 1;
            positive = !positive;
        }
    }
    EXPECT_EQ(lengths, (std::vector<int>{11, 12, 13, 14}));
}

TEST_F(Synth, GunStateThreeIsANegativeHalfWave) {
    events.gunState = 3;
    events.gunCounter = 20;
    events.gunPeriod = 20;
    events.gunLevel = 0.5f;
    events.gunPan = 0.5f;
    Frame f = step();
    EXPECT_EQ(f.left, -0.25f);
    EXPECT_EQ(events.gunState, 1);
}

TEST_F(Synth, GunFallsSilentWhenItsLevelDecays) {
    events.gunState = 1;
    events.gunPeriod = 10;
    events.gunLevel = 0.25f;
    int samples = 0;
    while (events.gunState != 0 && samples < 200000) {
        step();
        ++samples;
    }
    EXPECT_NEAR(samples, 126446, 2);
    EXPECT_LT(events.gunLevel, 1e-7f);
}

TEST_F(Synth, EachGeneratorPansToItsOwnSide) {
    events.gunState = 1;
    events.gunPeriod = 1000;
    events.gunLevel = 0.5f;
    events.gunPan = 1.0f;
    Frame gun = step();
    EXPECT_EQ(gun.left, 0.5f);
    EXPECT_EQ(gun.right, 0.0f);

    events.gunState = 0;
    events.enemySoundOn = 1;
    events.enemyLevel = 0.135f;
    events.enemyWaveCounter = 1;
    events.enemySweep = 1;
    events.enemyPan = 1.0f;
    Frame rumble = step();
    EXPECT_EQ(rumble.left, 0.0f);
    EXPECT_EQ(rumble.right, 0.135f);

    events.enemySoundOn = 0;
    events.planeSoundMode = -1;
    events.planeNoise = 1.0f;
    events.planeSoundLevel = 0.5f;
    events.planePan = 0.0f;
    Frame plane = step();
    EXPECT_EQ(plane.left, 0.0f);
    EXPECT_EQ(plane.right, 0.5f);
}

TEST_F(Synth, SweepWrapsAtBothEnds) {
    events.enemySoundOn = 1;
    events.enemyLevel = 0.1f;
    events.enemySweep = 4096;
    step();
    EXPECT_EQ(events.enemySweep, -1);
    events.enemySweep = -4096;
    step();
    EXPECT_EQ(events.enemySweep, 1);
    events.enemySweep = 0;  // zero counts down
    step();
    EXPECT_EQ(events.enemySweep, -1);
}

TEST_F(Synth, RumbleHalfWavesFromTheGamesStart) {
    events.enemySoundOn = 1;
    events.enemyLevel = 0.135f;
    events.enemyWave = 0.25f;
    events.enemyWaveCounter = 1;
    events.enemySweep = 1;
    EXPECT_EQ(halfWaves(4), (std::vector<int>{101, 97, 104, 94}));
}

TEST_F(Synth, RumbleStopsAtTheSinglePrecisionThreshold) {
    events.enemySoundOn = 1;
    events.enemyWaveCounter = 1;
    events.enemySweep = 1;
    events.enemyLevel = 0.001f;  // stored slightly above 0.001
    step();
    EXPECT_EQ(events.enemySoundOn, 1);
    EXPECT_EQ(events.enemyLevel, float(double(0.001f) * 0.99965));
    step();
    EXPECT_EQ(events.enemySoundOn, 0);
    EXPECT_EQ(events.enemyLevel, 0.0f);

    events.enemySoundOn = 1;
    events.enemyLevel = 0.135f;
    int samples = 0;
    while (events.enemySoundOn != 0) {
        step();
        ++samples;
    }
    EXPECT_NEAR(samples, 14013, 2);
}

TEST_F(Synth, RoarDecaysAndReturnsToTheHumAfter120001Samples) {
    events.planeSoundMode = 1;
    events.planeSoundLevel = 1.0f;
    events.planeSoundCounter = 0;
    step();
    EXPECT_EQ(events.planeSoundLevel, 0.99995f);
    for (int i = 1; i < 20000; ++i) step();
    // 0.99995^20000 is 1/e to within the float roundings on the way.
    EXPECT_NEAR(events.planeSoundLevel, std::pow(0.99995, 20000.0), 2e-5);
    for (int i = 20000; i < 120000; ++i) step();
    EXPECT_EQ(events.planeSoundMode, 1);
    EXPECT_EQ(events.planeSoundCounter, 120000);
    EXPECT_LT(events.planeSoundLevel, 0.003f);
    step();
    EXPECT_EQ(events.planeSoundMode, 0);
    EXPECT_EQ(events.planeSoundCounter, 0);
    EXPECT_EQ(events.planeSoundLevel, 0.25f);
}

TEST_F(Synth, RoarDrawsNoiseEvery32Samples) {
    events.planeSoundMode = 1;
    events.planeSoundLevel = 1.0f;
    events.planeSoundCounter = 0;
    float last = events.planeNoise;
    std::vector<int> changes;
    for (int i = 1; i <= 100; ++i) {
        step();
        if (events.planeNoise != last) changes.push_back(events.planeSoundCounter);
        last = events.planeNoise;
    }
    EXPECT_EQ(changes, (std::vector<int>{31, 63, 95}));
}

namespace {
// The plane in `planeMode`, a shot just fired and an enemy just come in.
void soundEverything(SoundEvents& e, int32_t planeMode) {
    e.planeSoundMode = planeMode;
    e.planeSoundLevel = planeMode > 0 ? 1.0f : 0.25f;
    e.planeSoundCounter = 0;
    e.gunState = 1;
    e.gunPeriod = 10;
    e.gunLevel = 0.25f;
    e.enemySoundOn = 1;
    e.enemyLevel = 0.135f;
    e.enemyWaveCounter = 1;
    e.enemySweep = 1;
}
}  // namespace

TEST_F(Synth, AccumulatingAddsWhatReplacingWrites) {
    SoundEvents twin;
    for (SoundEvents* e : {&events, &twin}) soundEverything(*e, 0);
    RandomStream twinRandom{1234};
    std::vector<float> in0(64, 0.1f), in1(64, -0.2f), rep0(64), rep1(64), acc0(64, 0.5f),
        acc1(64, 0.5f);
    float* in[2] = {in0.data(), in1.data()};
    float* rep[2] = {rep0.data(), rep1.data()};
    float* acc[2] = {acc0.data(), acc1.data()};
    synthesizeBlock(events, random, in, rep, 64, OutputMode::Replace);
    synthesizeBlock(twin, twinRandom, in, acc, 64, OutputMode::Accumulate);
    for (int i = 0; i < 64; ++i) {
        ASSERT_FLOAT_EQ(acc0[i], rep0[i] + 0.5f) << i;
        ASSERT_FLOAT_EQ(acc1[i], rep1[i] + 0.5f) << i;
    }
    EXPECT_NE(rep0[5], 0.1f);  // the generators did sound
}

// A block works on its own copy of the events, frame by frame: one block of
// 500 frames must sound and end exactly as 500 blocks of one frame, also
// when the rumble, the gun and the roar end within it, in turn.
TEST_F(Synth, ABlockSoundsAsItsFramesOneByOne) {
    auto endInTurn = [](SoundEvents& e) {
        e.enemyLevel = 0.00105f;       // silent after about 150 frames
        e.gunLevel = 1.0356e-7f;       // after about 300
        e.planeSoundCounter = 119600;  // the roar ends after 400
    };
    for (bool ending : {false, true}) {
        SCOPED_TRACE(ending ? "ending in turn" : "all sounding");
        SoundEvents whole, single;
        RandomStream wholeRandom{99}, singleRandom{99};
        for (SoundEvents* e : {&whole, &single}) {
            soundEverything(*e, 1);
            if (ending) endInTurn(*e);
        }
        std::vector<float> in0(500), in1(500), whole0(500), whole1(500);
        for (int i = 0; i < 500; ++i) {
            in0[i] = float(i % 17) / 17.0f;
            in1[i] = -float(i % 5) / 5.0f;
        }
        float* in[2] = {in0.data(), in1.data()};
        float* out[2] = {whole0.data(), whole1.data()};
        synthesizeBlock(whole, wholeRandom, in, out, 500, OutputMode::Replace);
        for (int i = 0; i < 500; ++i) {
            float out0 = 0, out1 = 0;
            float* frameIn[2] = {&in0[size_t(i)], &in1[size_t(i)]};
            float* frameOut[2] = {&out0, &out1};
            synthesizeBlock(single, singleRandom, frameIn, frameOut, 1, OutputMode::Replace);
            ASSERT_EQ(out0, whole0[size_t(i)]) << i;
            ASSERT_EQ(out1, whole1[size_t(i)]) << i;
        }
        SoundValues a, b;
        whole.pairWith(a, [](auto& shared, auto& value, int) { value = shared; });
        single.pairWith(b, [](auto& shared, auto& value, int) { value = shared; });
        a.pairWith(b, [](auto& x, auto& y, int field) { EXPECT_EQ(x, y) << "field " << field; });
        EXPECT_EQ(wholeRandom.next(), singleRandom.next());
        if (ending) {
            EXPECT_EQ(a.enemySoundOn, 0);
            EXPECT_EQ(a.gunState, 0);
            EXPECT_EQ(a.planeSoundMode, 0);
        }
    }
}

// What the game writes while a block runs is what stands after the block,
// even a write of the value the block started from; every other value is
// the block's.
TEST_F(Synth, GameWritesDuringABlockAreNeverLost) {
    events.gunState = 1;
    events.gunCounter = 0;
    events.gunLevel = 0.25f;
    events.enemyLevel = 0.135f;
    SoundBlock block(events);
    block.values.gunCounter = 7;  // as the synthesizer leaves them
    block.values.gunLevel = 0.2f;
    block.values.enemyLevel = 0.1f;
    block.values.planeSoundCounter = 3;
    events.gunCounter = 0;  // the game fires again: the same values as before
    events.gunLevel = 0.25f;
    events.enemyLevel = 0.5f;
    block.storeBack();
    EXPECT_EQ(events.gunCounter, 0);
    EXPECT_EQ(events.gunLevel, 0.25f);
    EXPECT_EQ(events.enemyLevel, 0.5f);
    EXPECT_EQ(events.planeSoundCounter, 3);
    EXPECT_EQ(events.gunState, 1);
}

TEST_F(Synth, InPlaceBuffersAndEmptyBlocks) {
    events.planeSoundMode = -1;
    events.planeNoise = 1.0f;
    events.planeSoundLevel = 0.5f;
    std::vector<float> left(16, 1.0f), right(16, 2.0f);
    float* io[2] = {left.data(), right.data()};
    synthesizeBlock(events, random, io, io, 16, OutputMode::Replace);
    EXPECT_EQ(left[15], 1.25f);
    EXPECT_EQ(right[15], 2.25f);
    synthesizeBlock(events, random, io, io, 0, OutputMode::Replace);
    synthesizeBlock(events, random, io, io, -5, OutputMode::Accumulate);
    EXPECT_EQ(left[0], 1.25f);
    float* missing[2] = {nullptr, nullptr};
    synthesizeBlock(events, random, missing, missing, 16, OutputMode::Replace);
    synthesizeBlock(events, random, nullptr, nullptr, 16, OutputMode::Replace);
}

TEST_F(Synth, BlocksAllocateNothing) {
    GamePlugin effect(nullptr);
    SoundEvents& e = effect.soundEvents();
    e.planeSoundMode = 0;
    std::vector<float> left(512, 0.1f), right(512, 0.1f), out0(512), out1(512);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {out0.data(), out1.data()};
    long before = allocationCount();
    for (int block = 0; block < 3000; ++block) {
        if (block % 100 == 0) {
            e.gunState = 1;
            e.gunLevel = 0.25f;
            e.enemySoundOn = 1;
            e.enemyLevel = 0.135f;
        }
        if (block % 2)
            effect.process(in, out, 512);
        else
            effect.processReplacing(in, out, 512);
    }
    EXPECT_EQ(allocationCount() - before, 0);
}
