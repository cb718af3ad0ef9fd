// SPDX-License-Identifier: MIT
#pragma once
// One effect created through a plug-in module's `main`, driven through its
// record the way a host does. Closing it (opcode 1) happens once, on close
// or destruction.

#include <memory>
#include <string>

#include "host/formats/HostedEffect.h"
#include "host/platform/ModuleLoader.h"
#include "interface/EffectRecord.h"

class ModuleEffect : public HostedEffect {
public:
    // Loads the module and creates the effect; null with `error` naming the cause.
    static std::unique_ptr<ModuleEffect> create(const std::string& modulePath, std::string& error);
    ~ModuleEffect() override;

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f);
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0);
    void close();

    // Open (the first time), rate, block size, resume: the order hosts start
    // an effect in.
    bool start(int32_t rate, int32_t block, std::string& error) override;
    void stop() override;
    void process(float** in, float** out, int32_t frames) override;
    bool accumulates(std::string&) override { return true; }
    void accumulate(float** in, float** out, int32_t frames) override;
    bool setZoom(int32_t zoom, std::string& error) override {
        return askModulesForZoom(zoom, error);
    }
    bool editorSize(int32_t& width, int32_t& height) override;
    bool openEditor(HostWindow& window) override;
    void idleEditor() override;
    void closeEditor() override;
    bool gameStatus(GameStatus& status) override;
    EffectRecord* moduleRecord() override { return effect; }

    ModuleEffect(const ModuleEffect&) = delete;
    ModuleEffect& operator=(const ModuleEffect&) = delete;

private:
    ModuleEffect(std::unique_ptr<LoadedModule> module, EffectRecord* effect)
        : module(std::move(module)), effect(effect) {}
    std::unique_ptr<LoadedModule> module;
    EffectRecord* effect;
    bool opened = false;
};
