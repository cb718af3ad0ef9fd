// SPDX-License-Identifier: MIT
// The real module with one fault, chosen by a FAULT_... define, for `check`
// to find. Each fault is one that exactly one of its checks should catch;
// everything else the module does is the real module's.
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "gui/platform/platform.h"
#include "interface/Opcodes.h"
#include "plugin/PluginMain.h"

namespace {
DispatcherProc realDispatcher = nullptr;
ProcessProc realProcess = nullptr, realReplacing = nullptr;
float sampleRate = 44100.0f;

// A small window of the module's own beside its editor, in the host's window.
struct ExtraWindow {
    platform::Window handle = nullptr;
    bool destroyedByHost = false;
};
std::map<EffectRecord*, ExtraWindow> extraWindows;
constexpr const char* kExtraClass = "SkyrunFaultyExtra";

intptr_t extraWindowProc(platform::Window window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) {
    // Still listed, so not destroyed by the module: the host took it down.
    if (message == platform::msgDestroy)
        for (auto& entry : extraWindows)
            if (entry.second.handle == window) entry.second = {nullptr, true};
    return platform::defaultWindowProc(window, message, wParam, lParam);
}

[[maybe_unused]] void openExtraWindow(EffectRecord* effect, void* parent) {
    void* instance = platform::currentModuleInstance();
    platform::registerWindowClass(kExtraClass, extraWindowProc, instance);
    extraWindows[effect].handle = platform::createChildWindow(
        kExtraClass, static_cast<platform::Window>(parent), 8, 8, instance);
}

void closeExtraWindow(EffectRecord* effect) {
    auto found = extraWindows.find(effect);
    if (found == extraWindows.end()) return;
    platform::Window handle = found->second.handle;
    extraWindows.erase(found);
    if (handle) platform::destroyWindow(handle);
    if (extraWindows.empty())
        platform::unregisterWindowClass(kExtraClass, platform::currentModuleInstance());
}

[[maybe_unused]] bool outOfRange(EffectRecord* effect, int32_t program) {
    return program < 0 || program >= effect->numPrograms;
}

intptr_t faultyDispatcher(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                          void* ptr, float opt) {
    if (opcode == opSetSampleRate) sampleRate = opt;
#if defined(FAULT_UNTERMINATED_TEXT)
    // A vendor string longer than any host's buffer, and no terminator.
    if (opcode == opGetVendorString && ptr) {
        std::memset(ptr, 'x', 300);
        return 1;
    }
#elif defined(FAULT_WRITES_THROUGH_NULL)
    if (opcode == opGetVendorString) {
        std::memcpy(ptr, "Faulty", 7);
        return 1;
    }
#elif defined(FAULT_NAMES_MISSING_PROGRAMS)
    // Answers "no such program" but writes a name all the same.
    if (opcode == opProgramNameAt && ptr && outOfRange(effect, index)) {
        std::strcpy(static_cast<char*>(ptr), "Spare");
        return 0;
    }
#elif defined(FAULT_LEAVES_A_WINDOW)
    // Its own window goes only at the next open or when the effect closes.
    if (opcode == opEditorOpen) {
        closeExtraWindow(effect);
        intptr_t opened = realDispatcher(effect, opcode, index, value, ptr, opt);
        openExtraWindow(effect, ptr);
        return opened;
    }
#elif defined(FAULT_ONE_EDITOR_AT_A_TIME)
    // One editor slot for the whole process.
    static EffectRecord* editorOwner = nullptr;
    if (opcode == opEditorOpen) {
        if (editorOwner && editorOwner != effect) return 0;
        editorOwner = effect;
    }
    if ((opcode == opEditorClose || opcode == opClose) && editorOwner == effect)
        editorOwner = nullptr;
#elif defined(FAULT_CRASHES_WITHOUT_ITS_WINDOW)
    if (opcode == opEditorOpen) {
        intptr_t opened = realDispatcher(effect, opcode, index, value, ptr, opt);
        openExtraWindow(effect, ptr);
        return opened;
    }
    // Closing, it writes into what it thinks is still its window.
    if (opcode == opEditorClose && extraWindows[effect].destroyedByHost)
        *static_cast<volatile int*>(static_cast<void*>(extraWindows[effect].handle)) = 0;
    if (opcode == opEditorClose) closeExtraWindow(effect);
#endif
    if (opcode == opClose) closeExtraWindow(effect);
    return realDispatcher(effect, opcode, index, value, ptr, opt);
}

// The frames the real callback is given instead of `frames`.
[[maybe_unused]] int32_t framesProcessed(int32_t frames) {
#if defined(FAULT_WRITES_PAST_THE_BLOCK)
    return (frames + 3) & ~3;  // whole groups of four, past the end of a short block
#elif defined(FAULT_DROPS_ODD_LAST_FRAME)
    return frames & ~1;  // pairs only
#else
    return frames;
#endif
}

[[maybe_unused]] bool silentAtThisRate() {
#if defined(FAULT_SILENT_AT_HIGH_RATES)
    return sampleRate > 192000.0f;
#else
    return false;
#endif
}

void faultyReplacing(EffectRecord* effect, float** inputs, float** outputs, int32_t frames) {
    if (silentAtThisRate()) {
        for (int32_t channel = 0; channel < 2; ++channel)
            std::memset(outputs[channel], 0, sizeof(float) * size_t(frames));
        return;
    }
    realReplacing(effect, inputs, outputs, framesProcessed(frames));
#if defined(FAULT_ADDS_NOISE)
    if (frames > 0) outputs[0][0] += 0.125f;
#endif
}

void faultyProcess(EffectRecord* effect, float** inputs, float** outputs, int32_t frames) {
    if (silentAtThisRate()) return;
    realProcess(effect, inputs, outputs, framesProcessed(frames));
}

// Each load leaves something behind that the process never gets back, here
// counted in the environment, and the twentieth finds nothing left.
[[maybe_unused]] bool outOfLoads() {
    const char* counted = std::getenv("SKYRUN_FAULTY_LOADS");
    const int loads = (counted ? std::atoi(counted) : 0) + 1;
    const std::string number = std::to_string(loads);
    // Both copy the text: this module's memory goes with it.
#ifdef _WIN32
    _putenv(("SKYRUN_FAULTY_LOADS=" + number).c_str());
#else
    setenv("SKYRUN_FAULTY_LOADS", number.c_str(), 1);
#endif
    return loads >= 20;
}
}  // namespace

extern "C" EffectRecord* faultyMain(HostCallback callback) {
#if defined(FAULT_REFUSES_AFTER_MANY_LOADS)
    if (outOfLoads()) return nullptr;
#endif
    EffectRecord* record = pluginMain(callback);
    if (record) {
        realDispatcher = record->dispatcher;
        realProcess = record->process;
        realReplacing = record->processReplacing;
        record->dispatcher = faultyDispatcher;
        record->process = faultyProcess;
        record->processReplacing = faultyReplacing;
    }
    return record;
}

#ifndef _WIN32
extern "C" __attribute__((visibility("default"))) EffectRecord* exportedMain(HostCallback)
    __asm__("main");
extern "C" EffectRecord* exportedMain(HostCallback callback) { return faultyMain(callback); }
#endif
