// `play MODULE`: the editor in a window for a person, with live sound. Ends
// when the window is closed or on Ctrl-C, closing the editor and the effect.

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "gui/EditorRect.h"
#include "host/AudioOutput.h"
#include "host/Commands.h"
#include "host/HostWindow.h"
#include "host/HostedEffect.h"
#include "plugin/Opcodes.h"

namespace {
constexpr int32_t kRate = 44100;
constexpr int32_t kBlock = 512;
std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }
}  // namespace

int runPlay(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: skyrun-host play MODULE\n");
        return 2;
    }
    std::string error;
    auto effect = HostedEffect::create(args[0], error);
    if (!effect) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", args[0].c_str(), error.c_str());
        return 1;
    }
    EditorRect* rect = nullptr;
    if (!effect->dispatch(opEditorGetRect, 0, 0, &rect) || !rect) {
        std::fprintf(stderr, "skyrun-host: %s: the effect has no editor\n", args[0].c_str());
        return 1;
    }
    auto window = HostWindow::create(rect->right - rect->left, rect->bottom - rect->top,
                                     "Skyrun", error);
    if (!window) {
        std::fprintf(stderr, "skyrun-host: %s\n", error.c_str());
        return 1;
    }
    effect->dispatch(opOpen);
    effect->dispatch(opSetSampleRate, 0, 0, nullptr, float(kRate));
    effect->dispatch(opSetBlockSize, 0, kBlock);
    effect->dispatch(opSuspendResume, 0, 1);
    effect->dispatch(opEditorOpen, 0, 0, window->parentHandle());

    EffectRecord* record = &effect->record();
    std::vector<float> silence(kBlock, 0.0f);
    RenderBlock render = [record, &silence](float* left, float* right, int32_t frames) {
        float* in[2] = {silence.data(), silence.data()};
        float* out[2] = {left, right};
        record->processReplacing(record, in, out, frames);
    };
    auto sound = AudioOutput::openDevice(kRate, kBlock, render, error);
    if (!sound) {
        std::fprintf(stderr, "skyrun-host: no sound (%s); playing on silently\n", error.c_str());
        sound = AudioOutput::openSilent(kRate, kBlock, render);
    }
    std::signal(SIGINT, onInterrupt);
    std::printf("Skyrun is playing: Ctrl and Alt (or the mouse buttons) fly, Shift fires, "
                "the START lamp starts again. Close the window or press Ctrl-C to end.\n");
    std::fflush(stdout);
    auto next = std::chrono::steady_clock::now();
    while (!interrupted && window->pumpEvents()) {
        effect->dispatch(opEditorIdle);
        next += std::chrono::milliseconds(33);
        std::this_thread::sleep_until(next);
    }
    sound.reset();
    effect->dispatch(opEditorClose);
    effect->dispatch(opSuspendResume, 0, 0);
    effect->close();
    return 0;
}
