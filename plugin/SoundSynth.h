#pragma once
// The game's sounds, made sample by sample from the sound-event block and
// added to the audio passing through.

#include <cstdint>

#include "game/RandomStream.h"
#include "game/SoundEvents.h"

enum class OutputMode { Replace, Accumulate };

// Runs the generators over one block. Inputs and outputs may be the same
// arrays: each output sample is written after its input sample is read.
void synthesizeBlock(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
                     int32_t sampleFrames, OutputMode mode);
