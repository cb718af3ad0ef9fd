// The synthesizer against a model that follows the generators' rules one
// sample at a time, as written, with nothing worked out ahead or run in
// stretches. Random states reach the edges the synthesizer treats apart:
// draws, half-wave ends, sweep turns and bend changes, silences, the roar's
// end, counters past their limits, odd pans and levels.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "plugin/SoundSynth.h"

namespace {
struct Model {
    SoundValues e;
    RandomStream random;

    float noise() { return float(random.next() / 32767.0); }

    void frame(float in0, float in1, float& out0, float& out1, OutputMode mode) {
        if (e.planeSoundMode == 0) {
            if (e.planeSoundCounter >= 12) {
                e.planeSoundCounter = 0;
                e.planeNoise = noise();
                e.planeSoundLevel = 0.25f;
            } else {
                e.planeSoundCounter += 1;
            }
        } else if (e.planeSoundMode > 0) {
            e.planeSoundCounter += 1;
            e.planeSoundLevel = float(e.planeSoundLevel * 0.99995);
            if ((e.planeSoundCounter & 31) == 31) e.planeNoise = noise();
            if (e.planeSoundCounter > 120000) {
                e.planeSoundCounter = 0;
                e.planeSoundLevel = 0.25f;
                e.planeSoundMode = 0;
            }
        }
        float a = float(double(e.planeNoise) * e.planePan * e.planeSoundLevel);
        float b = float(double(e.planeNoise) * (1.0 - e.planePan) * e.planeSoundLevel);
        if (e.gunState != 0) {
            double sign = e.gunState == 1 ? 1.0 : -1.0;
            if (++e.gunCounter > e.gunPeriod) {
                e.gunPeriod += 1;
                e.gunCounter = 0;
                e.gunState = e.gunState == 1 ? 2 : 1;
            }
            a = float(a + sign * e.gunLevel * e.gunPan);
            b = float(b + sign * e.gunLevel * (1.0 - e.gunPan));
            e.gunLevel = float(e.gunLevel * 0.9998835);
            if (e.gunLevel < 1e-7) e.gunState = 0;
        }
        if (e.enemySoundOn != 0) {
            if (e.enemySweep > 0) {
                if (++e.enemySweep > 4096) e.enemySweep = -1;
            } else if (--e.enemySweep < -4096) {
                e.enemySweep = 1;
            }
            int32_t bend = e.enemySweep / 64;
            if (e.enemyWaveCounter > 0) {
                e.enemyWave = e.enemyLevel;
                if (++e.enemyWaveCounter > bend + 100) e.enemyWaveCounter = -1;
            } else {
                e.enemyWave = -e.enemyLevel;
                if (--e.enemyWaveCounter < bend - 100) e.enemyWaveCounter = 1;
            }
            if (e.enemyLevel > 0.001) {
                e.enemyLevel = float(e.enemyLevel * 0.99965);
            } else {
                e.enemyLevel = 0.0f;
                e.enemySoundOn = 0;
            }
            a = float(a + e.enemyWave * (1.0 - e.enemyPan));
            b = float(b + double(e.enemyWave) * e.enemyPan);
        }
        if (mode == OutputMode::Replace) {
            out0 = in0 + a;
            out1 = in1 + b;
        } else {
            out0 = float(double(in0) + a + out0);
            out1 = float(double(in1) + b + out1);
        }
    }
};

// Equal bits, except that any two values that are not numbers are equal:
// the sign a product of one takes is not fixed.
bool sameFloat(float x, float y) {
    if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
    return std::bit_cast<uint32_t>(x) == std::bit_cast<uint32_t>(y);
}

class RandomState {
public:
    explicit RandomState(uint32_t seed) : draw(seed) {}

    SoundValues next() {
        SoundValues e;
        e.planeSoundMode = pick({-1, 0, 1, 3});
        e.planeSoundLevel = level();
        e.planeNoise = unit();
        e.planePan = pan();
        e.planeSoundCounter = pick({near(119990, 30), near(0, 40), near(31 + 32 * within(0, 99), 3),
                                    within(0, 200000), near(12, 3)});
        e.gunState = within(0, 3);
        e.gunPeriod = pick({near(0, 3), within(0, 300)});
        e.gunPan = pan();
        e.gunLevel = level();
        e.gunCounter = pick({near(e.gunPeriod, 3), within(-20, 280)});
        e.enemySoundOn = within(0, 1);
        e.enemyLevel = level();
        e.enemyPan = pan();
        e.enemySweep = pick({near(4096, 10), near(-4096, 10), near(64 * within(-65, 65), 3),
                             within(-4500, 4500)});
        int32_t bend = e.enemySweep / 64;
        e.enemyWaveCounter = pick({near(bend + 100, 4), near(bend - 100, 4), within(-150, 150)});
        return e;
    }
    int32_t within(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(draw);
    }

private:
    int32_t near(int32_t base, int32_t spread) { return base + within(-spread, spread); }
    int32_t pick(std::initializer_list<int32_t> choices) {
        return choices.begin()[within(0, int32_t(choices.size()) - 1)];
    }
    float unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(draw); }
    float odd() {
        const float odd[] = {NAN, INFINITY, -0.0f, 0.0f, 1e-38f, 0.001f, 1.0000001e-7f, -0.5f};
        return odd[within(0, 7)];
    }
    float level() {
        int32_t kind = within(0, 9);
        return kind == 0 ? odd() : kind < 3 ? 0.0010001f : unit();
    }
    float pan() {
        int32_t kind = within(0, 9);
        return kind == 0 ? odd() : kind < 3 ? unit() * 3.0f - 1.0f : unit();
    }
    std::mt19937 draw;
};
}  // namespace

TEST(SoundModel, BlocksSoundAsTheRulesOneSampleAtATime) {
    RandomState states(2024);
    int longBlocks = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Model model{states.next(), RandomStream{uint32_t(trial)}};
        SoundEvents events;
        SoundValues start = model.e;
        events.pairWith(start, [](auto& shared, auto& value, int) { shared = value; });
        RandomStream random{uint32_t(trial)};
        OutputMode mode = trial % 2 ? OutputMode::Replace : OutputMode::Accumulate;
        int frames = trial % 4 == 0 ? states.within(1, 3000) : states.within(1, 600);
        longBlocks += frames > 600;
        size_t size = size_t(frames);
        std::vector<float> in0(size), in1(size), out0(size, 0.5f), out1(size, -0.5f);
        for (int i = 0; i < frames; ++i) {
            in0[size_t(i)] = float(i % 23) / 23.0f - 0.5f;
            in1[size_t(i)] = 0.25f - float(i % 9) / 9.0f;
        }
        std::vector<float> expected0 = out0, expected1 = out1;
        float* in[2] = {in0.data(), in1.data()};
        float* out[2] = {out0.data(), out1.data()};
        // Three blocks in a row, so each starts where the last one left off.
        for (int block = 0; block < 3; ++block) {
            synthesizeBlock(events, random, in, out, frames, mode);
            for (int i = 0; i < frames; ++i)
                model.frame(in0[size_t(i)], in1[size_t(i)], expected0[size_t(i)],
                            expected1[size_t(i)], mode);
            for (int i = 0; i < frames; ++i) {
                ASSERT_TRUE(sameFloat(out0[size_t(i)], expected0[size_t(i)]) &&
                            sameFloat(out1[size_t(i)], expected1[size_t(i)]))
                    << "trial " << trial << " block " << block << " frame " << i << ": "
                    << out0[size_t(i)] << " " << out1[size_t(i)] << " against "
                    << expected0[size_t(i)] << " " << expected1[size_t(i)];
            }
        }
        SoundValues after;
        events.pairWith(after, [](auto& shared, auto& value, int) { value = shared; });
        after.pairWith(model.e, [&](auto& value, auto& expected, int field) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, float>)
                ASSERT_TRUE(sameFloat(value, expected)) << "trial " << trial << " field " << field;
            else
                ASSERT_EQ(value, expected) << "trial " << trial << " field " << field;
        });
        ASSERT_EQ(random.next(), model.random.next()) << "trial " << trial;
    }
    EXPECT_GT(longBlocks, 500);
}
