// SPDX-License-Identifier: MIT
#pragma once
// What the editor benchmarks share: a host that answers only its version,
// and a game in full swing.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "game/GameWorld.h"
#include "interface/EffectRecord.h"
#include "interface/Opcodes.h"

inline intptr_t plainHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

// Eight enemies across the play area, three clouds over it and six shots in
// flight that hit nothing, set again before every step so that each step
// draws the same; the hit cooldown keeps the aircraft out of harm.
inline void armBusyWorld(GameWorld& w) {
    w.hitCooldown = kHitCooldown;
    for (size_t i = 0; i < 8; ++i)
        w.enemies[i] = Enemy{int32_t(10 + 20 * i), int32_t(10 + 15 * i), 1};
    w.clouds[0] = Cloud{0, 10, 0, 1};
    w.clouds[1] = Cloud{70, 50, 1, 1};
    w.clouds[2] = Cloud{20, 100, 2, 1};
    const Point shots[] = {{20, 100}, {60, 110}, {100, 20}, {140, 40}, {160, 60}, {85, 120}};
    for (size_t i = 0; i < 6; ++i) w.bullets[i] = Bullet{shots[i].h, shots[i].v, 1};
}

// One busy step painted into a window-sized canvas (EditorBench.cpp).
void busyGameStep(benchmark::State& run);
