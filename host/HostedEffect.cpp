#include "host/HostedEffect.h"

#include <cstring>

#include "interface/Opcodes.h"

intptr_t plainHostCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float) {
    switch (opcode) {
    case hostVersion: return 2400;
    case hostIdleCall: return 1;
    default: return 0;
    }
}

std::unique_ptr<HostedEffect> HostedEffect::create(const std::string& modulePath,
                                                   std::string& error) {
    auto module = LoadedModule::load(modulePath, error);
    if (!module) return nullptr;
    EffectRecord* effect = module->mainProc()(plainHostCallback);
    if (!effect) {
        error = "main returned no effect";
        return nullptr;
    }
    return std::unique_ptr<HostedEffect>(new HostedEffect(std::move(module), effect));
}

HostedEffect::~HostedEffect() { close(); }

void HostedEffect::close() {
    if (!effect) return;
    effect->dispatcher(effect, opClose, 0, 0, nullptr, 0.0f);
    effect = nullptr;
}

intptr_t HostedEffect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string HostedEffect::text(int32_t opcode, int32_t index, intptr_t value) {
    // Generous and zeroed, as careful hosts pass it.
    char buffer[256];
    std::memset(buffer, 0, sizeof buffer);
    dispatch(opcode, index, value, buffer);
    buffer[sizeof buffer - 1] = 0;
    return buffer;
}
