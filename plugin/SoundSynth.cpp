// SPDX-License-Identifier: MIT
#include "plugin/SoundSynth.h"

#include <bit>
#include <type_traits>

// One frame of each generator, in the order they sound. Products and sums
// are formed in double precision and rounded to single precision wherever a
// value is stored: a sound field, a channel sum after each generator, an
// output sample.
namespace {
constexpr int32_t kHumFrames = 13;  // frames per noise value
constexpr float kHumLevel = 0.25f;
constexpr double kRoarDecay = 0.99995;
constexpr int32_t kRoarLength = 120000;  // frames until the hum resumes
constexpr double kGunDecay = 0.9998835;
constexpr double kGunSilence = 0.0000001;
constexpr int32_t kSweepEnd = 4096;
constexpr int32_t kSweepPerBend = 64;
constexpr int32_t kHalfWave = 100;  // frames, before the bend
constexpr double kEnemyDecay = 0.99965;
constexpr double kEnemySilence = 0.001;

// What the generators add to each channel in one frame.
struct Sums {
    float a, b;  // channel 0, channel 1
};

float newNoise(RandomStream& random) { return float(random.next() / double(RandomStream::kMax)); }

// The plane noise sounds in every mode, a frozen one as a constant.
Sums planeSound(const SoundValues& e) {
    double noise = e.planeNoise;
    return {float(noise * e.planePan * e.planeSoundLevel),
            float(noise * (1.0 - e.planePan) * e.planeSoundLevel)};
}

// Mode 0 hums: a new noise value every 13 frames, at level 0.25. A positive
// mode roars after a hit: the level decays, the noise changes whenever the
// counter's low five bits are all set, and after 120000 frames the hum
// resumes. A negative mode is frozen. Returns whether the noise or level
// may have changed.
bool planeStep(SoundValues& e, RandomStream& random) {
    if (e.planeSoundMode == 0) {
        if (e.planeSoundCounter < kHumFrames - 1) {
            e.planeSoundCounter += 1;
            return false;
        }
        e.planeSoundCounter = 0;
        e.planeNoise = newNoise(random);
        e.planeSoundLevel = kHumLevel;
        return true;
    }
    if (e.planeSoundMode > 0) {
        e.planeSoundCounter += 1;
        e.planeSoundLevel = float(e.planeSoundLevel * kRoarDecay);
        if ((e.planeSoundCounter & 31) == 31) e.planeNoise = newNoise(random);
        if (e.planeSoundCounter > kRoarLength) {
            e.planeSoundCounter = 0;
            e.planeSoundLevel = kHumLevel;
            e.planeSoundMode = 0;
        }
        return true;
    }
    return false;
}

// A square wave whose half waves grow by a frame each, so the pitch falls.
// The frame that ends a half wave still sounds with its sign. State 1 is
// the positive half; any other sounding state the negative.
void gunStep(SoundValues& e, Sums& sums) {
    double level = e.gunLevel;
    double signedLevel = e.gunState == 1 ? level : -level;
    if (++e.gunCounter > e.gunPeriod) {
        e.gunPeriod += 1;
        e.gunCounter = 0;
        e.gunState = e.gunState == 1 ? 2 : 1;
    }
    sums.a = float(sums.a + signedLevel * e.gunPan);
    sums.b = float(sums.b + signedLevel * (1.0 - e.gunPan));
    e.gunLevel = float(level * kGunDecay);
    if (e.gunLevel < kGunSilence) e.gunState = 0;
}

// A square wave whose half-wave length the sweep bends up and down. The
// counter counts up in the positive half and down in the negative one; the
// sweep counts up to 4096, then down from -1 to -4096, and over again.
void enemyStep(SoundValues& e, Sums& sums) {
    if (e.enemySweep > 0) {
        if (++e.enemySweep > kSweepEnd) e.enemySweep = -1;
    } else {
        if (--e.enemySweep < -kSweepEnd) e.enemySweep = 1;
    }
    int32_t bend = e.enemySweep / kSweepPerBend;
    if (e.enemyWaveCounter > 0) {
        e.enemyWave = e.enemyLevel;
        if (++e.enemyWaveCounter > bend + kHalfWave) e.enemyWaveCounter = -1;
    } else {
        e.enemyWave = -e.enemyLevel;
        if (--e.enemyWaveCounter < bend - kHalfWave) e.enemyWaveCounter = 1;
    }
    if (e.enemyLevel > kEnemySilence) {
        e.enemyLevel = float(e.enemyLevel * kEnemyDecay);
    } else {
        e.enemyLevel = 0.0f;
        e.enemySoundOn = 0;
    }
    // The rumble's pan is channel 1's share, the mirror of the others.
    double wave = e.enemyWave;
    sums.a = float(sums.a + wave * (1.0 - e.enemyPan));
    sums.b = float(sums.b + wave * e.enemyPan);
}

// The input plus the generators' sums, written or added to what the output
// holds. Replacing adds in single precision: the double sum of two floats,
// rounded, is exactly their float sum.
void store(OutputMode mode, float& out, float input, float sum) {
    if (mode == OutputMode::Replace)
        out = input + sum;
    else
        out = float(double(input) + double(sum) + double(out));
}

// With the plane frozen and the gun and rumble silent nothing advances, so
// the block adds one constant per channel.
bool isStill(const SoundValues& e) {
    return e.planeSoundMode < 0 && e.gunState == 0 && e.enemySoundOn == 0;
}

void runStill(const SoundValues& e, float** inputs, float** outputs, int32_t frames,
              OutputMode mode) {
    Sums sums = planeSound(e);
    for (int32_t i = 0; i < frames; ++i) {
        float in0 = inputs[0][i], in1 = inputs[1][i];
        store(mode, outputs[0][i], in0, sums.a);
        store(mode, outputs[1][i], in1, sums.b);
    }
}

// The values and random stream are locals here, which the output stores
// cannot alias, so they stay in registers through the loop.
void run(SoundValues& values, RandomStream& stream, float** inputs, float** outputs,
         int32_t frames, OutputMode mode) {
    SoundValues e = values;
    RandomStream random = stream;
    Sums plane = planeSound(e);  // changes only with the plane's noise or level
    for (int32_t i = 0; i < frames; ++i) {
        float in0 = inputs[0][i], in1 = inputs[1][i];
        if (planeStep(e, random)) plane = planeSound(e);
        Sums sums = plane;
        if (e.gunState != 0) gunStep(e, sums);
        if (e.enemySoundOn != 0) enemyStep(e, sums);
        store(mode, outputs[0][i], in0, sums.a);
        store(mode, outputs[1][i], in1, sums.b);
    }
    values = e;
    stream = random;
}
}  // namespace

void synthesizeBlock(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
                     int32_t sampleFrames, OutputMode mode) {
    // A host that passes no buffers gets nothing written.
    if (sampleFrames <= 0 || !inputs || !outputs) return;
    if (!inputs[0] || !inputs[1] || !outputs[0] || !outputs[1]) return;
    // A game write that lands during the block is heard from the next one on.
    SoundBlock block(events);
    if (isStill(block.values))
        runStill(block.values, inputs, outputs, sampleFrames, mode);
    else
        run(block.values, random, inputs, outputs, sampleFrames, mode);
    block.storeBack();
}

SoundBlock::SoundBlock(SoundEvents& events) : events(events) {
    events.pairWith(values, [this](auto& shared, auto& local, int index) {
        seen[index] = shared.snapshot();
        local = std::remove_reference_t<decltype(shared)>::valueOf(seen[index]);
    });
}

void SoundBlock::storeBack() {
    events.pairWith(values, [this](auto& shared, auto& local, int index) {
        if (std::bit_cast<uint32_t>(local) != uint32_t(seen[index]))
            shared.storeUnlessWritten(seen[index], local);
    });
}
