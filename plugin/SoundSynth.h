// SPDX-License-Identifier: MIT
#pragma once
// The game's sounds, made sample by sample from the sound-event block and
// added to the audio passing through.

#include <cstdint>

#include "game/RandomStream.h"
#include "game/SoundEvents.h"

enum class OutputMode { Replace, Accumulate };

// A block's own copy of the sound events: taken at its start, advanced
// without touching the shared block, and stored back at its end wherever
// the game has not written meanwhile (a game write always wins).
class SoundBlock {
public:
    explicit SoundBlock(SoundEvents& events);
    void storeBack();
    SoundValues values;

private:
    SoundEvents& events;
    uint64_t seen[SoundEvents::kFieldCount];
};

// Runs the generators over one block. Any input may share its array with
// any output: a frame's outputs are written after both its inputs are read.
void synthesizeBlock(SoundEvents& events, RandomStream& random, float** inputs, float** outputs,
                     int32_t sampleFrames, OutputMode mode);
