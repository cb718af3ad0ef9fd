// SPDX-License-Identifier: MIT
#pragma once
// A private query of the game's state for the project's own host (its demo
// and checks): opcode 50 with index kStatusQueryIndex, value
// kStatusQueryValue and ptr to a GameStatus whose size field the caller has
// set. Every other vendor-specific request still answers 0.

#include <cstdint>

#include "interface/EffectRecord.h"

constexpr int32_t kStatusQueryIndex = fourCharCode("Skyr");
constexpr intptr_t kStatusQueryValue = fourCharCode("Stat");

struct GameStatus {
    int32_t size;       // sizeof(GameStatus), set by the caller
    int32_t editorOpen;
    int32_t steps;      // game steps since the editor opened
    int32_t score;
    int32_t lives;
    int32_t gameOvers;  // games lost since the editor opened
};
