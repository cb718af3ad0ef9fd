// SPDX-License-Identifier: MIT
#pragma once
// The effect behind one LV2 plug-in instance: made through the module's
// `main` and driven through its record, the way a host drives it.

#include <lv2/core/lv2.h>

#include <cstdint>

#include "interface/EffectRecord.h"

class Lv2Effect {
public:
    // The port indices of the plug-in's data: two audio inputs, then two outputs.
    enum Port : uint32_t { kInLeft, kInRight, kOutLeft, kOutRight };

    // Null when the rate is not a positive number or the module makes no
    // effect. The block size comes from the host's options when it gives them.
    static Lv2Effect* create(double sampleRate, const LV2_Feature* const* features);
    ~Lv2Effect();  // closes the effect
    Lv2Effect(const Lv2Effect&) = delete;
    Lv2Effect& operator=(const Lv2Effect&) = delete;

    void connect(uint32_t port, float* data);
    // The effect's replacing process on the connected buffers, which may be
    // shared between any input and any output. Inline, as it runs per block.
    void run(uint32_t frames) { record->processReplacing(record, inputs, outputs, int32_t(frames)); }
    void setActive(bool active);

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f);

private:
    explicit Lv2Effect(EffectRecord* record) : record(record) {}

    EffectRecord* record;
    // The connected buffers, kept as the arrays the replacing process takes.
    float* inputs[2] = {};
    float* outputs[2] = {};
};
