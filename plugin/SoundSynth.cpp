#include "plugin/SoundSynth.h"

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

float newNoise(RandomStream& random) { return float(random.next() / 32767.0); }

// Advances the plane noise and returns its share of each channel.
void planeStep(SoundEvents& e, RandomStream& random, float& a, float& b) {
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
    double noise = e.planeNoise, pan = e.planePan, level = e.planeSoundLevel;
    a = float(noise * pan * level);
    b = float(noise * (1.0 - pan) * level);
}

void gunStep(SoundEvents& e, float& a, float& b) {
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
    double level = e.gunLevel, pan = e.gunPan;
    a = float(a + sign * level * pan);
    b = float(b + sign * level * (1.0 - pan));
    float decayed = float(level * kGunDecay);
    e.gunLevel = decayed;
    if (decayed < kGunSilence) e.gunState = 0;
}

void enemyStep(SoundEvents& e, float& a, float& b) {
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
    double pan = e.enemyPan;
    a = float(a + double(wave) * (1.0 - pan));
    b = float(b + double(wave) * pan);
}

// The input plus the generators, written or added to what the output holds.
template <OutputMode mode>
void store(float& out, double value) {
    if constexpr (mode == OutputMode::Replace)
        out = float(value);
    else
        out = float(value + out);
}

// With the plane frozen and the gun and rumble silent nothing advances, so
// the block adds one constant per channel. A game write that lands meanwhile
// is heard from the next block on.
bool isStill(const SoundEvents& e) {
    return e.planeSoundMode < 0 && e.gunState == 0 && e.enemySoundOn == 0;
}

template <OutputMode mode>
void runStill(const SoundEvents& e, float** inputs, float** outputs, int32_t sampleFrames) {
    double noise = e.planeNoise, pan = e.planePan, level = e.planeSoundLevel;
    double a = float(noise * pan * level), b = float(noise * (1.0 - pan) * level);
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        double left = in0[i], right = in1[i];
        store<mode>(out0[i], left + a);
        store<mode>(out1[i], right + b);
    }
}

template <OutputMode mode>
void run(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
         int32_t sampleFrames) {
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        double left = in0[i], right = in1[i];
        float a, b;
        planeStep(events, random, a, b);
        gunStep(events, a, b);
        enemyStep(events, a, b);
        store<mode>(out0[i], left + a);
        store<mode>(out1[i], right + b);
    }
}
}  // namespace

void synthesizeBlock(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
                     int32_t sampleFrames, OutputMode mode) {
    // A host that passes no buffers gets nothing written.
    if (sampleFrames <= 0 || !inputs || !outputs) return;
    if (!inputs[0] || !inputs[1] || !outputs[0] || !outputs[1]) return;
    bool still = isStill(events);
    if (mode == OutputMode::Replace) {
        if (still)
            runStill<OutputMode::Replace>(events, inputs, outputs, sampleFrames);
        else
            run<OutputMode::Replace>(events, random, inputs, outputs, sampleFrames);
    } else {
        if (still)
            runStill<OutputMode::Accumulate>(events, inputs, outputs, sampleFrames);
        else
            run<OutputMode::Accumulate>(events, random, inputs, outputs, sampleFrames);
    }
}
