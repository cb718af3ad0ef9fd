// SPDX-License-Identifier: MIT
#include "tests/plugin/SoundCases.h"

#include <bit>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <type_traits>

namespace sound_cases {
namespace {
// A generator of its own (splitmix64), so the cases are the same with any
// standard library.
class Draw {
public:
    explicit Draw(uint64_t seed) : state(seed) {}
    uint32_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return uint32_t((z ^ (z >> 31)) >> 32);
    }
    int32_t within(int32_t low, int32_t high) {
        return low + int32_t(next() % uint32_t(high - low + 1));
    }
    int32_t near(int32_t base, int32_t spread) { return base + within(-spread, spread); }
    template <typename T>
    T pick(std::initializer_list<T> choices) {
        return choices.begin()[within(0, int32_t(choices.size()) - 1)];
    }
    float unit() { return float(next() >> 8) / 16777216.0f; }

private:
    uint64_t state;
};

float odd(Draw& d) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    return d.pick<float>({std::numeric_limits<float>::quiet_NaN(), inf, -inf, -0.0f, 0.0f,
                          1e-38f, 1e-45f, 0.001f, 1.0000001e-7f, -0.5f, 2.0f});
}

// A level that falls below `silence` within a few dozen frames of `decay`,
// or one of its float neighbours.
float justAbove(Draw& d, double silence, double decay) {
    float at = float(silence);
    return d.pick<float>({float(silence / std::pow(decay, d.within(0, 40))),
                          std::nextafter(at, 1.0f), at, std::nextafter(at, 0.0f)});
}

float level(Draw& d, double silence, double decay) {
    int kind = d.within(0, 9);
    if (kind == 0) return odd(d);
    if (kind < 4) return justAbove(d, silence, decay);
    return kind < 6 ? d.pick<float>({0.25f, 1.0f, 0.135f}) : d.unit();
}

float pan(Draw& d) {
    int kind = d.within(0, 9);
    if (kind == 0) return odd(d);
    if (kind < 3) return d.unit() * 3.0f - 1.0f;
    return kind < 5 ? d.pick<float>({0.0f, 0.5f, 1.0f}) : d.unit();
}

SoundValues randomState(Draw& d) {
    SoundValues e;
    e.planeSoundMode = d.pick<int32_t>({-1, -7, 0, 0, 1, 1, 3});
    e.planeSoundLevel = level(d, 1e-30, 0.99995);
    e.planeNoise = d.within(0, 9) == 0 ? odd(d) : d.unit();
    e.planePan = pan(d);
    e.planeSoundCounter = d.pick<int32_t>({d.near(120000, 40), d.near(0, 40),
                                           d.near(31 + 32 * d.within(0, 99), 3),
                                           d.within(-50, 200000), d.near(12, 3)});
    e.gunState = d.within(-1, 3);
    e.gunPeriod = d.pick<int32_t>({d.near(0, 3), d.near(10, 2), d.within(0, 300)});
    e.gunPan = pan(d);
    e.gunLevel = level(d, 1e-7, 0.9998835);
    e.gunCounter = d.pick<int32_t>({d.near(e.gunPeriod, 3), d.within(-20, 280)});
    e.enemySoundOn = d.pick<int32_t>({0, 1, 1, -2});
    e.enemyLevel = level(d, 0.001, 0.99965);
    e.enemyWave = d.unit() - 0.5f;
    e.enemyPan = pan(d);
    e.enemySweep = d.pick<int32_t>({d.near(4096, 10), d.near(-4096, 10),
                                    d.near(64 * d.within(-65, 65), 3), d.within(-4500, 4500), 0});
    int32_t bend = e.enemySweep / 64;
    e.enemyWaveCounter = d.pick<int32_t>(
        {d.near(bend + 100, 4), d.near(bend - 100, 4), d.within(-150, 150), 0});
    return e;
}

int32_t blockSize(Draw& d, bool longBlocks) {
    if (longBlocks && d.within(0, 2) == 0) return d.within(700, 3000);
    return d.pick<int32_t>({d.within(1, 700), d.within(1, 700), 0,
                            d.pick<int32_t>({1, 2, 3, 7, 13, 31, 32, 33, 63, 64, 65, 127, 128, 129,
                                             255, 256, 257, 511, 512, 513, 1023})});
}

template <typename T>
uint32_t canonicalBits(T value) {
    if constexpr (std::is_same_v<T, float>)
        if (std::isnan(value)) return 0x7FC00000u;
    return std::bit_cast<uint32_t>(value);
}

void put(SoundEvents& events, const SoundValues& values) {
    events.pairWith(values, [](auto& shared, const auto& value, int) { shared = value; });
}

std::vector<uint32_t> valuesOf(SoundEvents& events) {
    std::vector<uint32_t> bits;
    SoundValues values;
    events.pairWith(values, [&](auto& shared, auto& value, int) {
        value = shared;
        bits.push_back(canonicalBits(value));
    });
    return bits;
}
}  // namespace

Case makeCase(int index) {
    Draw d(uint64_t(index) * 7919u + 1);
    Case c;
    c.start = randomState(d);
    c.seed = d.next();
    c.mode = index % 2 ? OutputMode::Replace : OutputMode::Accumulate;
    c.inPlace = index % 5 == 2;
    if (index < kWholeCases) {
        // Short blocks with every generator sounding, small enough to read.
        c.start.planeSoundMode = 1;
        c.start.gunState = 1;
        c.start.enemySoundOn = 1;
        for (int block = 0; block < 3; ++block) c.blocks.push_back(d.within(1, 48));
        return c;
    }
    int blocks = d.within(2, 4);
    for (int block = 0; block < blocks; ++block)
        c.blocks.push_back(blockSize(d, index % 4 == 0));
    return c;
}

Result run(const Case& c) {
    SoundEvents events;
    put(events, c.start);
    RandomStream random(c.seed);
    Result r;
    for (int32_t frames : c.blocks) {
        size_t size = size_t(frames);
        std::vector<float> in0(size), in1(size), out0(size), out1(size);
        for (size_t i = 0; i < size; ++i) {
            in0[i] = float((i * 7 + c.seed) % 23) / 23.0f - 0.5f;
            in1[i] = 0.25f - float((i + c.seed) % 9) / 9.0f;
            out0[i] = 0.5f - float(i % 5) * 0.125f;
            out1[i] = float(i % 3) * 0.25f - 0.25f;
        }
        float* in[2] = {in0.data(), in1.data()};
        float* out[2] = {out0.data(), out1.data()};
        float** outputs = c.inPlace ? in : out;
        synthesizeBlock(events, random, in, outputs, frames, c.mode);
        for (float* channel : {outputs[0], outputs[1]})
            for (size_t i = 0; i < size; ++i) r.samples.push_back(canonicalBits(channel[i]));
    }
    r.values = valuesOf(events);
    for (int i = 0; i < 4; ++i) r.draws.push_back(uint32_t(random.next()));
    return r;
}

uint32_t hashWords(const std::vector<uint32_t>& words) {
    uint32_t hash = 2166136261u;
    for (uint32_t word : words) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (word >> (8 * byte)) & 0xFF;
            hash *= 16777619u;
        }
    }
    return hash;
}

}  // namespace sound_cases
