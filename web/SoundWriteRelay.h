// SPDX-License-Identifier: MIT
#pragma once
// The browser runs the effect twice: once beside the page's game (the editor,
// on the page's thread) and once in the audio worklet (the process), two
// WebAssembly instances with no memory in common. The game's writes to its
// sound events travel as (field, value) pairs in a message, and each lands
// in the worklet's effect as a game write (SoundField's count grows), so the
// synthesizer there treats it exactly as natively: a game write always wins.

#include <cstdint>

#include "game/SoundEvents.h"

class SoundWriteRelay {
public:
    static constexpr int32_t kMaxWrites = SoundEvents::kFieldCount;

    // Writes (field index, value bits) for every field the game wrote since
    // the last call (every field it ever wrote when `all`), into `pairs`
    // (2 × kMaxWrites words); returns how many.
    int32_t collect(SoundEvents& events, uint32_t* pairs, bool all);
    // The worklet's side: the game's write of field `index`; false when
    // there is no such field.
    static bool apply(SoundEvents& events, int32_t index, uint32_t bits);

private:
    uint32_t sentWrites[SoundEvents::kFieldCount] = {};
};
