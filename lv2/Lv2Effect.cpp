// SPDX-License-Identifier: MIT
#include "lv2/Lv2Effect.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>

#include <cmath>
#include <initializer_list>
#include <new>

#include "interface/Opcodes.h"
#include "lv2/Features.h"
#include "plugin/PluginMain.h"

namespace {
// The effect asks its host only what the module's entry needs to hear.
intptr_t adapterCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}

// The host's nominal block length, else its largest; 0 when it names neither.
int32_t blockSizeOption(const LV2_Feature* const* features) {
    for (const char* key : {LV2_BUF_SIZE__nominalBlockLength, LV2_BUF_SIZE__maxBlockLength}) {
        auto* frames = static_cast<const int32_t*>(
            optionValue(features, key, LV2_ATOM__Int, sizeof(int32_t)));
        if (frames && *frames > 0) return *frames;
    }
    return 0;
}
}  // namespace

Lv2Effect* Lv2Effect::create(double sampleRate, const LV2_Feature* const* features) {
    if (!(sampleRate > 0.0) || !std::isfinite(sampleRate)) return nullptr;
    EffectRecord* record = pluginMain(adapterCallback);
    if (!record) return nullptr;
    auto* effect = new (std::nothrow) Lv2Effect(record);
    if (!effect) {
        record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
        return nullptr;
    }
    effect->dispatch(opOpen);
    effect->dispatch(opSetSampleRate, 0, 0, nullptr, float(sampleRate));
    if (int32_t frames = blockSizeOption(features)) effect->dispatch(opSetBlockSize, 0, frames);
    return effect;
}

Lv2Effect::~Lv2Effect() { dispatch(opClose); }

void Lv2Effect::connect(uint32_t port, float* data) {
    if (port == kInLeft || port == kInRight) inputs[port - kInLeft] = data;
    if (port == kOutLeft || port == kOutRight) outputs[port - kOutLeft] = data;
}

void Lv2Effect::setActive(bool active) { dispatch(opSuspendResume, 0, active ? 1 : 0); }

intptr_t Lv2Effect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) {
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
