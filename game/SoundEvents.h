#pragma once
// The control values of the game's sounds: written by the game on the
// interface thread, read and advanced by the synthesizer on the audio thread.

#include <cstdint>

#include "gui/Relaxed.h"

struct SoundEvents {
    Relaxed<int32_t> planeSoundMode{-1};  // 0 hum, >0 roar after a hit, <0 frozen
    Relaxed<float> planeSoundLevel{0.0f};
    Relaxed<float> planeNoise{0.0f};
    Relaxed<float> planePan{0.5f};  // share of channel 0
    Relaxed<int32_t> planeSoundCounter{8};
    Relaxed<int32_t> gunState{0};  // 0 silent, 1 positive half wave, other negative
    Relaxed<int32_t> gunPeriod{20};
    Relaxed<float> gunPan{0.5f};  // share of channel 0
    Relaxed<float> gunLevel{0.0f};
    Relaxed<int32_t> gunCounter{0};
    Relaxed<int32_t> enemySoundOn{0};
    Relaxed<float> enemyLevel{0.0f};
    Relaxed<float> enemyWave{0.0f};
    Relaxed<float> enemyPan{0.5f};  // share of channel 1
    Relaxed<int32_t> enemyWaveCounter{0};
    Relaxed<int32_t> enemySweep{0};  // first set by the game when the rumble starts
    Relaxed<int32_t> editorOpen{0};
};
