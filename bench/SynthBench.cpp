// SPDX-License-Identifier: MIT
// The synthesizer's cost per stereo frame in 512-frame blocks, in three
// states, each beside a plain loop that copies the input to the output.

#include <benchmark/benchmark.h>

#include <vector>

#include "plugin/GamePlugin.h"

namespace {
constexpr int kFrames = 512;  // items are stereo frames

enum class State { Silent, Hum, AllActive };

void prepare(SoundEvents& e, State state) {
    if (state == State::Silent) return;
    e.planeSoundMode = 0;
    e.planeSoundLevel = 0.25f;
    if (state == State::Hum) return;
    e.planeSoundMode = 1;
    e.planeSoundLevel = 1.0f;
}

// Keeps every generator sounding for the whole run, each restarted as the
// game starts it. The roar restarts at full level, as after a hit: one that
// only had its counter reset would decay into subnormal floats, which the
// game never plays and which cost many times a normal multiply.
void keepActive(SoundEvents& e) {
    e.planeSoundMode = 1;
    e.planeSoundLevel = 1.0f;
    e.planeSoundCounter = 0;
    e.gunState = 1;
    e.gunPeriod = 10;
    e.gunLevel = 0.25f;
    e.enemySoundOn = 1;
    e.enemyLevel = 0.135f;
    e.enemySweep = 1;
    e.enemyWaveCounter = 1;
}

void synth(benchmark::State& run, State state) {
    GamePlugin effect(nullptr);
    prepare(effect.soundEvents(), state);
    std::vector<float> in0(kFrames, 0.1f), in1(kFrames, -0.1f), out0(kFrames), out1(kFrames);
    float* in[2] = {in0.data(), in1.data()};
    float* out[2] = {out0.data(), out1.data()};
    int blocks = 0;
    for (auto _ : run) {
        if (state == State::AllActive && blocks++ % 16 == 0) keepActive(effect.soundEvents());
        effect.processReplacing(in, out, kFrames);
        benchmark::DoNotOptimize(out0.data());
        benchmark::ClobberMemory();
    }
    run.counters["items"] = double(kFrames);
}

void copyLoop(benchmark::State& run) {
    std::vector<float> in0(kFrames, 0.1f), in1(kFrames, -0.1f), out0(kFrames), out1(kFrames);
    for (auto _ : run) {
        for (int i = 0; i < kFrames; ++i) {
            out0[i] = in0[i];
            out1[i] = in1[i];
            benchmark::ClobberMemory();
        }
        benchmark::DoNotOptimize(out0.data());
    }
    run.counters["items"] = double(kFrames);
}

BENCHMARK(copyLoop)->Name("synth/reference: copy loop");
BENCHMARK_CAPTURE(synth, silent, State::Silent)->Name("synth/silent");
BENCHMARK_CAPTURE(synth, hum, State::Hum)->Name("synth/hum");
BENCHMARK_CAPTURE(synth, all, State::AllActive)->Name("synth/hum+roar+gun+rumble");

}  // namespace

