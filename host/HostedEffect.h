#pragma once
// One effect created through a module's `main`, driven through its record
// the way a host does. Closing it (opcode 1) happens once, on close or
// destruction.

#include <memory>
#include <string>

#include "host/ModuleLoader.h"
#include "interface/EffectRecord.h"

// What this host answers: a non-zero version, the idle call accepted, 0 otherwise.
intptr_t plainHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt);

class HostedEffect {
public:
    // Loads the module and creates the effect; null with `error` naming the cause.
    static std::unique_ptr<HostedEffect> create(const std::string& modulePath, std::string& error);
    ~HostedEffect();

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f);
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0);
    EffectRecord& record() { return *effect; }
    void close();

    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

private:
    HostedEffect(std::unique_ptr<LoadedModule> module, EffectRecord* effect)
        : module(std::move(module)), effect(effect) {}
    std::unique_ptr<LoadedModule> module;
    EffectRecord* effect;
};
