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

// The synthesizer never writes the pans, so a block takes each share (and
// its complement) once.
struct Pans {
    explicit Pans(const SoundValues& e)
        : plane(e.planePan), planeOther(1.0 - plane), gun(e.gunPan), gunOther(1.0 - gun),
          enemy(e.enemyPan), enemyOther(1.0 - enemy) {}
    double plane, planeOther, gun, gunOther, enemy, enemyOther;
};

SAMPLE_STEP float newNoise(RandomStream& random) { return float(random.next() / 32767.0); }

// Advances the plane noise and returns its share of each channel.
SAMPLE_STEP void planeStep(SoundValues& e, const Pans& pans, RandomStream& random, float& a,
                           float& b) {
    int32_t mode = e.planeSoundMode;
    if (mode == 0) {
        int32_t counter = e.planeSoundCounter;
        if (counter >= 12) {
            e.planeSoundCounter = 0;
            e.planeNoise = newNoise(random);
            e.planeSoundLevel = 0.25f;
        } else {
            e.planeSoundCounter = counter + 1;
        }
    } else if (mode > 0) {
        int32_t counter = e.planeSoundCounter + 1;
        e.planeSoundCounter = counter;
        e.planeSoundLevel = float(e.planeSoundLevel * kRoarDecay);
        if ((counter & 31) == 31) e.planeNoise = newNoise(random);
        if (counter > kRoarLength) {
            e.planeSoundCounter = 0;
            e.planeSoundLevel = 0.25f;
            e.planeSoundMode = 0;
        }
    }
    double noise = e.planeNoise, level = e.planeSoundLevel;
    a = float(noise * pans.plane * level);
    b = float(noise * pans.planeOther * level);
}

SAMPLE_STEP void gunStep(SoundValues& e, const Pans& pans, float& a, float& b) {
    int32_t state = e.gunState;
    if (state == 0) return;
    double sign = state == 1 ? 1.0 : -1.0;
    int32_t counter = e.gunCounter + 1;
    int32_t period = e.gunPeriod;
    if (counter > period) {
        e.gunPeriod = period + 1;
        counter = 0;
        e.gunState = state == 1 ? 2 : 1;
    }
    e.gunCounter = counter;
    double level = e.gunLevel;
    a = float(a + sign * level * pans.gun);
    b = float(b + sign * level * pans.gunOther);
    float decayed = float(level * kGunDecay);
    e.gunLevel = decayed;
    if (decayed < kGunSilenceFloat) e.gunState = 0;
}

SAMPLE_STEP void enemyStep(SoundValues& e, const Pans& pans, float& a, float& b) {
    if (e.enemySoundOn == 0) return;
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
    a = float(a + double(wave) * pans.enemyOther);
    b = float(b + double(wave) * pans.enemy);
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
    double noise = e.planeNoise, pan = e.planePan, level = e.planeSoundLevel;
    float a = float(noise * pan * level), b = float(noise * (1.0 - pan) * level);
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        store<mode>(out0[i], in0[i], a);
        store<mode>(out1[i], in1[i], b);
    }
}

// The block's values and random stream are copied into locals, which the
// output stores cannot alias, so they stay in registers.
template <OutputMode mode>
void run(SoundValues& values, RandomStream& stream, float** inputs, float** outputs,
         int32_t sampleFrames) {
    SoundValues events = values;
    RandomStream random = stream;
    const Pans pans(events);
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        float left = in0[i], right = in1[i];
        float a, b;
        planeStep(events, pans, random, a, b);
        gunStep(events, pans, a, b);
        enemyStep(events, pans, a, b);
        store<mode>(out0[i], left, a);
        store<mode>(out1[i], right, b);
    }
    values = events;
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
