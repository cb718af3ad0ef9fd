#include "lv2/Lv2Effect.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

#include <cmath>
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
    auto* map = static_cast<const LV2_URID_Map*>(featureData(features, LV2_URID__map));
    auto* option = static_cast<const LV2_Options_Option*>(featureData(features, LV2_OPTIONS__options));
    if (!map || !option) return 0;
    LV2_URID intType = map->map(map->handle, LV2_ATOM__Int);
    LV2_URID nominal = map->map(map->handle, LV2_BUF_SIZE__nominalBlockLength);
    LV2_URID largest = map->map(map->handle, LV2_BUF_SIZE__maxBlockLength);
    int32_t found = 0;
    for (; option->key || option->value; ++option) {
        if (option->type != intType || option->size != sizeof(int32_t) || !option->value) continue;
        int32_t frames = *static_cast<const int32_t*>(option->value);
        if (frames <= 0) continue;
        if (option->key == nominal) return frames;
        if (option->key == largest) found = frames;
    }
    return found;
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
