#include "plugin/SoundSynth.h"

#include <algorithm>
#include <bit>
#include <type_traits>

#include "plugin/SoundRuns.h"
#include "plugin/SoundSteps.h"

using namespace synth;

namespace {
// With the plane frozen and the gun and rumble silent nothing advances, so
// the block adds one constant per channel.
bool isStill(const SoundValues& e) {
    return e.planeSoundMode < 0 && e.gunState == 0 && e.enemySoundOn == 0;
}

template <OutputMode mode>
void runStill(const SoundValues& e, float** inputs, float** outputs, int32_t sampleFrames) {
    FloatPair sum = planeSound(e.planeSoundLevel, noiseShare(e.planeNoise, Pans(e)));
    float* in0 = inputs[0];
    float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (int32_t i = 0; i < sampleFrames; ++i) {
        store<mode>(out0[i], in0[i], sum[0]);
        store<mode>(out1[i], in1[i], sum[1]);
    }
}

// One frame with every generator's full step, for the frames no run takes:
// the roar's end, and the rumble's half-wave ends, turns, bend changes and
// stop.
template <OutputMode mode>
void runSwitchingFrame(SoundValues& e, RandomStream& random, const Pans& pans, ChannelPair& share,
                       float** inputs, float** outputs, int32_t i) {
    float left = inputs[0][i], right = inputs[1][i];
    FloatPair sum = planeStep(e, pans, random, share);
    if (e.gunState != 0) gunStep(e, pans, sum);
    if (e.enemySoundOn != 0) enemyStep(e, pans, sum);
    store<mode>(outputs[0][i], left, sum[0]);
    store<mode>(outputs[1][i], right, sum[1]);
}

// The block alternates runs with single frames where something starts or
// ends. The values and random stream are copied into locals, which the
// output stores cannot alias.
template <OutputMode mode>
void run(SoundValues& values, RandomStream& stream, float** inputs, float** outputs,
         int32_t sampleFrames) {
    SoundValues e = values;
    RandomStream random = stream;
    const Pans pans(e);
    ChannelPair share = noiseShare(e.planeNoise, pans);
    for (int32_t i = 0; i < sampleFrames;) {
        int64_t frames = std::min<int64_t>(framesInRun(e), sampleFrames - i);
        if (frames <= 0) {
            runSwitchingFrame<mode>(e, random, pans, share, inputs, outputs, i++);
        } else {
            Run runFrames = runFor(mode, e.planeSoundMode > 0, e.gunState != 0, e.enemySoundOn != 0);
            i = runFrames(e, random, pans, share, inputs, outputs, i, i + int32_t(frames));
        }
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
