#pragma once
// Runs: stretches of frames in which no generator starts or ends, the roar
// goes on and the rumble keeps its half wave and bend. A run needs none of
// the per-frame tests of the full steps, and works out its decays ahead of
// the frames that sound them.

#include <cstdint>

#include "plugin/SoundSteps.h"

namespace synth {

// How many frames from here a run may take (0: this frame starts or ends
// something, and takes the full steps).
int64_t framesInRun(const SoundValues& e);

// Runs frames [first, end) and returns the first frame not run: a run ends
// early after the frame where the gun falls silent, or before the one where
// the rumble stops. `share` is the plane noise's share, kept across runs.
using Run = int32_t (*)(SoundValues& e, RandomStream& random, const Pans& pans, ChannelPair& share,
                        float** inputs, float** outputs, int32_t first, int32_t end);

// The run for the output mode and the generators sounding.
Run runFor(OutputMode mode, bool roar, bool gunOn, bool enemyOn);

}  // namespace synth
