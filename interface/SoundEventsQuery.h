// SPDX-License-Identifier: MIT
#pragma once
// The game's sound-event block, for a format that runs the effect twice and
// carries the game's writes from the one that shows the game to the one
// that makes the sound (the browser's: two WebAssembly instances with no
// memory in common). Opcode 50 with index kSoundEventsQueryIndex, value
// kSoundEventsQueryValue and ptr a void** that receives the block (the
// game's SoundEvents); answers 1 when written.

#include <cstdint>

#include "interface/EffectRecord.h"

constexpr int32_t kSoundEventsQueryIndex = fourCharCode("Skyr");
constexpr intptr_t kSoundEventsQueryValue = fourCharCode("Snds");
