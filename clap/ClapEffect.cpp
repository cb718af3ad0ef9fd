// SPDX-License-Identifier: MIT
#include "clap/ClapEffect.h"

#include <cmath>
#include <new>

#include "clap/ClapPlugin.h"
#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

namespace {
// The effect asks its host only what the module's entry needs to hear.
intptr_t adapterCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == hostVersion ? 2400 : 0;
}
}  // namespace

ClapEffect* ClapEffect::create(const clap_host* host, const clap_plugin_descriptor* descriptor) {
    EffectRecord* record = pluginMain(adapterCallback);
    if (!record) return nullptr;
    auto* effect = new (std::nothrow) ClapEffect(host, descriptor, record);
    if (!effect) {
        record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
        return nullptr;
    }
    effect->dispatch(opOpen);
    return effect;
}

ClapEffect::ClapEffect(const clap_host* host, const clap_plugin_descriptor* descriptor,
                       EffectRecord* record)
    : table(pluginTable(*this, descriptor)), hostTable(host), record(record) {}

ClapEffect::~ClapEffect() {
    editor.destroy();
    if (active) deactivate();
    dispatch(opClose);
}

bool ClapEffect::activate(double sampleRate, uint32_t maxFrames) {
    if (!(sampleRate > 0.0) || !std::isfinite(sampleRate)) return false;
    dispatch(opSetSampleRate, 0, 0, nullptr, float(sampleRate));
    dispatch(opSetBlockSize, 0, intptr_t(maxFrames));
    dispatch(opSuspendResume, 0, 1);
    active = true;
    return true;
}

void ClapEffect::deactivate() {
    dispatch(opSuspendResume, 0, 0);
    active = false;
}

intptr_t ClapEffect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt) {
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
