// `play MODULE`: the editor in a window for a person, with live sound. Ends
// when the window is closed or on Ctrl-C, closing the editor and the effect.

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "host/AudioOutput.h"
#include "host/Commands.h"
#include "host/EditorHost.h"
#include "interface/Opcodes.h"

namespace {
constexpr int32_t kRate = EditorHost::kRate;
constexpr int32_t kBlock = EditorHost::kBlock;
std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }
}  // namespace

int runPlay(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: skyrun-host play MODULE\n");
        return 2;
    }
    std::string error;
    auto host = EditorHost::prepare(args[0], "Skyrun", error);
    if (!host) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", args[0].c_str(), error.c_str());
        return 1;
    }
    host->openEditor();
    HostedEffect* effect = host->effect.get();
    HostWindow* window = host->window.get();

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
    host->finish();
    return 0;
}
