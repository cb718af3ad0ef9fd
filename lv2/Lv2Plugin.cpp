// SPDX-License-Identifier: MIT
// The bundle binary's plug-in entry: LV2's instance calls mapped onto the
// effect adapter. The URI comes from the build, which writes the same one
// into the bundle's data.

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>

#include <initializer_list>
#include <new>

#include "lv2/Features.h"
#include "lv2/Lv2Instance.h"

namespace {
Lv2Instance& instanceOf(LV2_Handle handle) { return *static_cast<Lv2Instance*>(handle); }

// The host's nominal block length, else its largest; 0 when it names neither.
int32_t blockSizeOption(const LV2_Feature* const* features) {
    for (const char* key : {LV2_BUF_SIZE__nominalBlockLength, LV2_BUF_SIZE__maxBlockLength}) {
        auto* frames = static_cast<const int32_t*>(
            optionValue(features, key, LV2_ATOM__Int, sizeof(int32_t)));
        if (frames && *frames > 0) return *frames;
    }
    return 0;
}

LV2_Handle instantiate(const LV2_Descriptor*, double sampleRate, const char*,
                       const LV2_Feature* const* features) {
    if (!EffectAdapter::usableRate(sampleRate)) return nullptr;
    EffectAdapter* effect = EffectAdapter::create();
    if (!effect) return nullptr;
    auto* instance = new (std::nothrow) Lv2Instance{*effect, sampleRate, blockSizeOption(features)};
    if (!instance) delete effect;
    return instance;
}

void connectPort(LV2_Handle handle, uint32_t port, void* data) {
    Lv2Instance& instance = instanceOf(handle);
    auto* buffer = static_cast<float*>(data);
    if (port == Lv2Instance::kInLeft || port == Lv2Instance::kInRight)
        instance.inputs[port - Lv2Instance::kInLeft] = buffer;
    if (port == Lv2Instance::kOutLeft || port == Lv2Instance::kOutRight)
        instance.outputs[port - Lv2Instance::kOutLeft] = buffer;
}

void activate(LV2_Handle handle) {
    Lv2Instance& instance = instanceOf(handle);
    instance.effect.activate(instance.sampleRate, instance.blockSize);
}

void run(LV2_Handle handle, uint32_t frames) {
    Lv2Instance& instance = instanceOf(handle);
    instance.effect.process(instance.inputs, instance.outputs, int32_t(frames));
}

void deactivate(LV2_Handle handle) { instanceOf(handle).effect.deactivate(); }

void cleanup(LV2_Handle handle) {
    Lv2Instance* instance = &instanceOf(handle);
    delete &instance->effect;
    delete instance;
}

const void* noExtensionData(const char*) { return nullptr; }

const LV2_Descriptor kPlugin = {
    .URI = SKYRUN_LV2_URI,
    .instantiate = instantiate,
    .connect_port = connectPort,
    .activate = activate,
    .run = run,
    .deactivate = deactivate,
    .cleanup = cleanup,
    .extension_data = noExtensionData,
};
}  // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index == 0 ? &kPlugin : nullptr;
}
