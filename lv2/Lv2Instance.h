// SPDX-License-Identifier: MIT
#pragma once
// One LV2 plug-in instance: the effect and the buffers the host connected to
// its ports. The UI reaches the same instance through instance-access.

#include <cstdint>

#include "adapter/EffectAdapter.h"

struct Lv2Instance {
    // The port indices of the plug-in's data: two audio inputs, then two outputs.
    enum Port : uint32_t { kInLeft, kInRight, kOutLeft, kOutRight };

    EffectAdapter& effect;
    double sampleRate;
    int32_t blockSize;  // from the host's options; 0 when it names none
    // The connected buffers, kept as the arrays the replacing process takes.
    float* inputs[2] = {};
    float* outputs[2] = {};
};
