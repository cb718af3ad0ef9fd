#include "plugin/SoundSynth.h"

#include <bit>
#include <type_traits>

// Products and sums are formed in double precision and rounded to single
// precision wherever a value is stored: a sound field, a channel sum after
// each generator, an output sample.

namespace {
constexpr double kRoarDecay = 0.99995;
constexpr double kGunDecay = 0.9998835;
constexpr double kEnemyDecay = 0.99965;
constexpr double kGunSilence = 0.0000001;
constexpr double kEnemySilence = 0.001;
constexpr int32_t kRoarLength = 120000;

// The least float not below `limit`: for any float x, x < it exactly when
// x < limit, so the test needs no conversion.
constexpr float leastFloatFrom(double limit) {
    float nearest = float(limit);
    if (double(nearest) >= limit) return nearest;
    return std::bit_cast<float>(std::bit_cast<uint32_t>(nearest) + 1);
}
constexpr float kGunSilenceFloat = leastFloatFrom(kGunSilence);

// The steps run once per sample; inlined, the block's values stay in
// registers for the whole loop.
#define SAMPLE_STEP [[gnu::always_inline]] inline

// Both channels' values side by side, so that each generator's mixing takes
// one multiply, one add and one pair of conversions for the two channels.
// Every step is inlined, so no pair crosses a call and the ABI note some
// targets give for vector returns does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"
using ChannelPair = double __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));

SAMPLE_STEP FloatPair rounded(ChannelPair sum) { return __builtin_convertvector(sum, FloatPair); }
SAMPLE_STEP ChannelPair widened(FloatPair sum) { return __builtin_convertvector(sum, ChannelPair); }

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
SAMPLE_STEP ChannelPair noiseShare(const SoundValues& e, const Pans& pans) {
    return double(e.planeNoise) * pans.plane;
}

// The plane's sound in each channel, the noise share at the current level.
SAMPLE_STEP FloatPair planeSound(const SoundValues& e, ChannelPair share) {
    return rounded(share * double(e.planeSoundLevel));
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
            share = noiseShare(e, pans);
            e.planeSoundLevel = 0.25f;
        } else {
            e.planeSoundCounter = counter + 1;
        }
    } else if (mode > 0) {
        int32_t counter = e.planeSoundCounter + 1;
        e.planeSoundCounter = counter;
        e.planeSoundLevel = float(e.planeSoundLevel * kRoarDecay);
        if ((counter & 31) == 31) {
            e.planeNoise = newNoise(random);
            share = noiseShare(e, pans);
        }
        if (counter > kRoarLength) {
            e.planeSoundCounter = 0;
            e.planeSoundLevel = 0.25f;
            e.planeSoundMode = 0;
        }
    }
    return planeSound(e, share);
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

// With the plane frozen and the gun and rumble silent nothing advances, so
// the block adds one constant per channel.
bool isStill(const SoundValues& e) {
    return e.planeSoundMode < 0 && e.gunState == 0 && e.enemySoundOn == 0;
}

template <OutputMode mode>
void runStill(const SoundValues& e, float** inputs, float** outputs, int32_t sampleFrames) {
    FloatPair sum = planeSound(e, noiseShare(e, Pans(e)));
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        store<mode>(out0[i], in0[i], sum[0]);
        store<mode>(out1[i], in1[i], sum[1]);
    }
}

// Runs frames [first, end) while the gun and the rumble keep the activity
// given, so a frame tests neither, and returns the first frame not run. The
// values and random stream are copied into locals, which the output stores
// cannot alias, so they stay in registers.
template <OutputMode mode, bool gunOn, bool enemyOn>
int32_t runWhile(SoundValues& values, RandomStream& stream, const Pans& pans,
                 ChannelPair& planeShare, float** inputs, float** outputs, int32_t first,
                 int32_t end) {
    SoundValues e = values;
    RandomStream random = stream;
    ChannelPair share = planeShare;
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = first; i < end; ++i) {
        float left = in0[i], right = in1[i];
        FloatPair sum = planeStep(e, pans, random, share);
        if constexpr (gunOn) gunStep(e, pans, sum);
        if constexpr (enemyOn) enemyStep(e, pans, sum);
        store<mode>(out0[i], left, sum[0]);
        store<mode>(out1[i], right, sum[1]);
        if constexpr (gunOn || enemyOn) {
            if ((gunOn && e.gunState == 0) || (enemyOn && e.enemySoundOn == 0)) {
                end = i + 1;
                break;
            }
        }
    }
    values = e;
    stream = random;
    planeShare = share;
    return end;
}

// A generator that falls silent stays silent for the rest of the block (only
// the game starts one), so a block takes at most three runs.
template <OutputMode mode>
void run(SoundValues& e, RandomStream& random, float** inputs, float** outputs,
         int32_t sampleFrames) {
    const Pans pans(e);
    ChannelPair share = noiseShare(e, pans);
    for (int32_t i = 0; i < sampleFrames;) {
        bool gunOn = e.gunState != 0, enemyOn = e.enemySoundOn != 0;
        if (gunOn && enemyOn)
            i = runWhile<mode, true, true>(e, random, pans, share, inputs, outputs, i, sampleFrames);
        else if (gunOn)
            i = runWhile<mode, true, false>(e, random, pans, share, inputs, outputs, i, sampleFrames);
        else if (enemyOn)
            i = runWhile<mode, false, true>(e, random, pans, share, inputs, outputs, i, sampleFrames);
        else
            i = runWhile<mode, false, false>(e, random, pans, share, inputs, outputs, i, sampleFrames);
    }
}
}  // namespace

void synthesizeBlock(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
                     int32_t sampleFrames, OutputMode mode) {
    // A host that passes no buffers gets nothing written.
    if (sampleFrames <= 0 || !inputs || !outputs) return;
    if (!inputs[0] || !inputs[1] || !outputs[0] || !outputs[1]) return;
    // A game write that lands during the block is heard from the next one on.
    SoundBlock block(events);
    SoundValues& values = block.values;
    bool still = isStill(values);
    if (mode == OutputMode::Replace) {
        if (still)
            runStill<OutputMode::Replace>(values, inputs, outputs, sampleFrames);
        else
            run<OutputMode::Replace>(values, random, inputs, outputs, sampleFrames);
    } else {
        if (still)
            runStill<OutputMode::Accumulate>(values, inputs, outputs, sampleFrames);
        else
            run<OutputMode::Accumulate>(values, random, inputs, outputs, sampleFrames);
    }
    if (!still) block.storeBack();
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
