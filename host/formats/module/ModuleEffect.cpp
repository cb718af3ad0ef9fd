// SPDX-License-Identifier: MIT
#include "host/formats/module/ModuleEffect.h"

#include <cstring>
#include <map>

#include "interface/EditorRect.h"
#include "host/platform/HostWindow.h"
#include "interface/Opcodes.h"

namespace {
// The windows of the editors open in this process, by their effect's record:
// an editor whose zoom must change asks for room in its window.
std::map<EffectRecord*, HostWindow*>& editorWindows() {
    static std::map<EffectRecord*, HostWindow*> windows;
    return windows;
}

// A non-zero version, the idle call and a new editor size accepted, 0 otherwise.
intptr_t plainHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                           void*, float) {
    switch (opcode) {
    case hostVersion: return 2400;
    case hostIdleCall: return 1;
    case hostSizeWindow: {
        auto found = editorWindows().find(effect);
        if (found == editorWindows().end() || index <= 0 || value <= 0) return 0;
        found->second->resize(index, int32_t(value));
        return 1;
    }
    default: return 0;
    }
}
}  // namespace

std::unique_ptr<ModuleEffect> ModuleEffect::create(const std::string& modulePath,
                                                   std::string& error) {
    auto module = LoadedModule::load(modulePath, error);
    if (!module) return nullptr;
    EffectRecord* effect = module->mainProc()(plainHostCallback);
    if (!effect) {
        error = "main returned no effect";
        return nullptr;
    }
    return std::unique_ptr<ModuleEffect>(new ModuleEffect(std::move(module), effect));
}

ModuleEffect::~ModuleEffect() { close(); }

void ModuleEffect::close() {
    if (!effect) return;
    editorWindows().erase(effect);
    effect->dispatcher(effect, opClose, 0, 0, nullptr, 0.0f);
    effect = nullptr;
}

intptr_t ModuleEffect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string ModuleEffect::text(int32_t opcode, int32_t index, intptr_t value) {
    // Generous and zeroed, as careful hosts pass it.
    char buffer[256];
    std::memset(buffer, 0, sizeof buffer);
    dispatch(opcode, index, value, buffer);
    buffer[sizeof buffer - 1] = 0;
    return buffer;
}

bool ModuleEffect::start(int32_t rate, int32_t block, std::string&) {
    if (!opened) dispatch(opOpen);
    opened = true;
    dispatch(opSetSampleRate, 0, 0, nullptr, float(rate));
    dispatch(opSetBlockSize, 0, block);
    dispatch(opSuspendResume, 0, 1);
    return true;
}

void ModuleEffect::stop() { dispatch(opSuspendResume, 0, 0); }

void ModuleEffect::process(float** in, float** out, int32_t frames) {
    effect->processReplacing(effect, in, out, frames);
}

void ModuleEffect::accumulate(float** in, float** out, int32_t frames) {
    effect->process(effect, in, out, frames);
}

bool ModuleEffect::editorSize(int32_t& width, int32_t& height) {
    EditorRect* rect = nullptr;
    if (!(effect->flags & kFlagHasEditor) || !dispatch(opEditorGetRect, 0, 0, &rect) || !rect)
        return false;
    width = rect->right - rect->left;
    height = rect->bottom - rect->top;
    return true;
}

bool ModuleEffect::openEditor(HostWindow& window) {
    editorWindows()[effect] = &window;
    if (dispatch(opEditorOpen, 0, 0, window.parentHandle()) != 0) return true;
    editorWindows().erase(effect);
    return false;
}

void ModuleEffect::idleEditor() { dispatch(opEditorIdle); }

void ModuleEffect::closeEditor() {
    dispatch(opEditorClose);
    editorWindows().erase(effect);
}

bool ModuleEffect::gameStatus(GameStatus& status) {
    status = GameStatus{};
    status.size = int32_t(sizeof status);
    return dispatch(opVendorSpecific, kStatusQueryIndex, kStatusQueryValue, &status) == 1;
}
