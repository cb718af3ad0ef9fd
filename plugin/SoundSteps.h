#pragma once
// One frame of each sound generator, and the arithmetic they share.
// Products and sums are formed in double precision and rounded to single
// precision wherever a value is stored: a sound field, a channel sum after
// each generator, an output sample.

#include <bit>
#include <cstdint>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "plugin/SoundSynth.h"

namespace synth {
constexpr double kRoarDecay = 0.99995;
constexpr double kGunDecay = 0.9998835;
constexpr double kEnemyDecay = 0.99965;
constexpr double kGunSilence = 0.0000001;
constexpr double kEnemySilence = 0.001;
constexpr int32_t kRoarLength = 120000;
constexpr float kHumLevel = 0.25f;

// The least float not below `limit`: for any float x, x < it exactly when
// x < limit, so the test needs no conversion.
constexpr float leastFloatFrom(double limit) {
    float nearest = float(limit);
    if (double(nearest) >= limit) return nearest;
    return std::bit_cast<float>(std::bit_cast<uint32_t>(nearest) + 1);
}
constexpr float kGunSilenceFloat = leastFloatFrom(kGunSilence);
// The least float above `limit`: a float is above limit exactly when it is
// not below this one.
constexpr float leastFloatAbove(double limit) {
    float from = leastFloatFrom(limit);
    if (double(from) > limit) return from;
    return std::bit_cast<float>(std::bit_cast<uint32_t>(from) + 1);
}
constexpr float kEnemyAudibleFloat = leastFloatAbove(kEnemySilence);

// The steps run once per sample; inlined, the block's values stay in
// registers for the whole loop.
#define SAMPLE_STEP [[gnu::always_inline]] inline

// Both channels' values side by side, so that each generator's mixing takes
// one multiply, one add and one pair of conversions for the two channels.
// Every step is inlined and pairs cross calls only by reference, so the
// ABI note some targets give for passing vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"
using ChannelPair = double __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));
using LaneMask = int64_t __attribute__((vector_size(16)));

SAMPLE_STEP FloatPair rounded(ChannelPair sum) { return __builtin_convertvector(sum, FloatPair); }
SAMPLE_STEP ChannelPair widened(FloatPair sum) { return __builtin_convertvector(sum, ChannelPair); }

// A pair rounded to single precision and kept as doubles. On SSE2 the
// conversions go straight from register to register; the generic form
// clears the unused half of the register between them.
SAMPLE_STEP ChannelPair throughFloat(ChannelPair pair) {
#ifdef __SSE2__
    return _mm_cvtps_pd(_mm_cvtpd_ps(pair));
#else
    return widened(rounded(pair));
#endif
}

// The synthesizer never writes the pans, so a block takes each channel's
// share once. The rumble's pan is channel 1's share; the others channel 0's.
struct Pans {
    explicit Pans(const SoundValues& e)
        : plane{e.planePan, 1.0 - double(e.planePan)}, gun{e.gunPan, 1.0 - double(e.gunPan)},
          enemy{1.0 - double(e.enemyPan), e.enemyPan} {}
    ChannelPair plane, gun, enemy;
};

SAMPLE_STEP float newNoise(RandomStream& random) { return float(random.next() / 32767.0); }

// The plane noise times each channel's pan; it changes only with the noise.
SAMPLE_STEP ChannelPair noiseShare(float noise, const Pans& pans) {
    return double(noise) * pans.plane;
}

// The plane's sound in each channel, the noise share at the given level.
SAMPLE_STEP FloatPair planeSound(double level, ChannelPair share) {
    return rounded(share * level);
}

// Advances the plane noise and returns its sound in each channel. `share`
// is kept as the noise share.
SAMPLE_STEP FloatPair planeStep(SoundValues& e, const Pans& pans, RandomStream& random,
                                ChannelPair& share) {
    int32_t mode = e.planeSoundMode;
    if (mode == 0) {
        int32_t counter = e.planeSoundCounter;
        if (counter >= 12) {
            e.planeSoundCounter = 0;
            e.planeNoise = newNoise(random);
            share = noiseShare(e.planeNoise, pans);
            e.planeSoundLevel = kHumLevel;
        } else {
            e.planeSoundCounter = counter + 1;
        }
    } else if (mode > 0) {
        int32_t counter = e.planeSoundCounter + 1;
        e.planeSoundCounter = counter;
        e.planeSoundLevel = float(e.planeSoundLevel * kRoarDecay);
        if ((counter & 31) == 31) {
            e.planeNoise = newNoise(random);
            share = noiseShare(e.planeNoise, pans);
        }
        if (counter > kRoarLength) {
            e.planeSoundCounter = 0;
            e.planeSoundLevel = kHumLevel;
            e.planeSoundMode = 0;
        }
    }
    return planeSound(e.planeSoundLevel, share);
}

// The gun and rumble steps run only while their generator sounds.
SAMPLE_STEP void gunStep(SoundValues& e, const Pans& pans, FloatPair& sum) {
    int32_t state = e.gunState;
    int32_t counter = e.gunCounter + 1;
    int32_t period = e.gunPeriod;
    if (counter > period) {
        e.gunPeriod = period + 1;
        counter = 0;
        e.gunState = state == 1 ? 2 : 1;
    }
    e.gunCounter = counter;
    double level = e.gunLevel;
    double signedLevel = state == 1 ? level : -level;
    sum = rounded(widened(sum) + signedLevel * pans.gun);
    float decayed = float(level * kGunDecay);
    e.gunLevel = decayed;
    if (decayed < kGunSilenceFloat) e.gunState = 0;
}

SAMPLE_STEP void enemyStep(SoundValues& e, const Pans& pans, FloatPair& sum) {
    int32_t sweep = e.enemySweep;
    if (sweep > 0) {
        if (++sweep > 4096) sweep = -1;
    } else {
        if (--sweep < -4096) sweep = 1;
    }
    e.enemySweep = sweep;
    int32_t bend = sweep / 64;
    int32_t counter = e.enemyWaveCounter;
    float level = e.enemyLevel;
    float wave;
    if (counter > 0) {
        wave = level;
        if (++counter > bend + 100) counter = -1;
    } else {
        wave = -level;
        if (--counter < bend - 100) counter = 1;
    }
    e.enemyWaveCounter = counter;
    e.enemyWave = wave;
    if (level > kEnemySilence) {
        e.enemyLevel = float(level * kEnemyDecay);
    } else {
        e.enemyLevel = 0.0f;
        e.enemySoundOn = 0;
    }
    sum = rounded(widened(sum) + double(wave) * pans.enemy);
}

// The input plus the generators' sum, written or added to what the output
// holds. Replacing adds in single precision: double has more than twice
// float's precision, so the double sum of two floats rounded to float is
// exactly their float sum.
template <OutputMode mode>
SAMPLE_STEP void store(float& out, float input, float sum) {
    if constexpr (mode == OutputMode::Replace)
        out = input + sum;
    else
        out = float(double(input) + double(sum) + double(out));
}
}  // namespace synth
