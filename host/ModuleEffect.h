#pragma once
// One effect created through a plug-in module's `main`, driven through its
// record the way a host does. Closing it (opcode 1) happens once, on close
// or destruction. `info`, `render` and `check` speak the interface itself
// through `dispatch`; a session only needs what HostedEffect offers.

#include <memory>
#include <string>

#include "host/HostedEffect.h"
#include "host/platform/ModuleLoader.h"
#include "interface/EffectRecord.h"

// What this host answers: a non-zero version, the idle call accepted, 0 otherwise.
intptr_t plainHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt);

class ModuleEffect : public HostedEffect {
public:
    // Loads the module and creates the effect; null with `error` naming the cause.
    static std::unique_ptr<ModuleEffect> create(const std::string& modulePath, std::string& error);
    ~ModuleEffect() override;

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f);
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0);
    EffectRecord& record() { return *effect; }
    void close();

    // Open, rate, block size, resume: the order hosts start an effect in.
    bool start(int32_t rate, int32_t block, std::string& error) override;
    void stop() override;
    void process(float** in, float** out, int32_t frames) override;
    bool editorSize(int32_t& width, int32_t& height) override;
    bool openEditor(void* parent) override;
    void idleEditor() override;
    void closeEditor() override;
    bool gameStatus(GameStatus& status) override;

    ModuleEffect(const ModuleEffect&) = delete;
    ModuleEffect& operator=(const ModuleEffect&) = delete;

private:
    ModuleEffect(std::unique_ptr<LoadedModule> module, EffectRecord* effect)
        : module(std::move(module)), effect(effect) {}
    std::unique_ptr<LoadedModule> module;
    EffectRecord* effect;
};
