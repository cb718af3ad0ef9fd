// Editor checks: the editor in real host windows, with the idle at about
// 30 Hz and audio blocks running, the way a host's interface and audio
// threads drive it.

#include "host/EditorChecks.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "gui/EditorRect.h"
#include "host/HostWindow.h"
#include "host/HostedEffect.h"
#include "plugin/Opcodes.h"

namespace {
constexpr int32_t kBlockFrames = 512;
constexpr auto kIdlePeriod = std::chrono::milliseconds(33);

// An effect ready for audio, with a window the size its editor asks for.
struct EditorHost {
    std::unique_ptr<HostedEffect> effect;
    std::unique_ptr<HostWindow> window;
};

std::string prepare(const std::string& module, EditorHost& host) {
    std::string error;
    host.effect = HostedEffect::create(module, error);
    if (!host.effect) return error;
    EditorRect* rect = nullptr;
    if (!host.effect->dispatch(opEditorGetRect, 0, 0, &rect) || !rect)
        return "the effect reports no editor size";
    host.window = HostWindow::create(rect->right - rect->left, rect->bottom - rect->top,
                                     "Skyrun check", error);
    if (!host.window) return error;
    host.effect->dispatch(opOpen);
    host.effect->dispatch(opSetSampleRate, 0, 0, nullptr, 44100.0f);
    host.effect->dispatch(opSetBlockSize, 0, kBlockFrames);
    host.effect->dispatch(opSuspendResume, 0, 1);
    return "";
}

void runSilentBlock(EffectRecord& record) {
    std::vector<float> silence(kBlockFrames, 0.0f), left(kBlockFrames), right(kBlockFrames);
    float* inputs[2] = {silence.data(), silence.data()};
    float* outputs[2] = {left.data(), right.data()};
    record.processReplacing(&record, inputs, outputs, kBlockFrames);
}

// Streams blocks on a thread of its own, a little faster than real time.
class AudioThread {
public:
    explicit AudioThread(EffectRecord& record)
        : worker([this, &record](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  runSilentBlock(record);
                  ++blocks;
                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
              }
          }) {}
    long blocksRun() const { return blocks; }

private:
    std::atomic<long> blocks{0};
    std::jthread worker;  // last: starts once the counter exists
};

void idle(EditorHost& host) {
    host.window->pumpEvents();
    host.effect->dispatch(opEditorIdle);
}

bool openEditor(EditorHost& host) {
    bool opened = host.effect->dispatch(opEditorOpen, 0, 0, host.window->parentHandle()) != 0;
    host.window->pumpEvents();
    return opened;
}
}  // namespace

std::string editorOpenedRepeatedly(const std::string& module) {
    EditorHost host;
    std::string error = prepare(module, host);
    if (!error.empty()) return error;
    AudioThread audio(host.effect->record());
    // The idles keep about 30 Hz: each cycle's first follows the open, its
    // second comes at the next tick, just before the close.
    auto tick = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < 200; ++cycle) {
        if (!openEditor(host)) return "the editor did not open on cycle " + std::to_string(cycle);
        idle(host);
        tick += kIdlePeriod;
        std::this_thread::sleep_until(tick);
        idle(host);
        host.effect->dispatch(opEditorClose);
        host.window->pumpEvents();
    }
    if (audio.blocksRun() == 0) return "the audio thread ran no block";
    return "";
}

std::string twoEditorsAtOnce(const std::string& module) {
    EditorHost hosts[2];
    for (EditorHost& host : hosts) {
        std::string error = prepare(module, host);
        if (!error.empty()) return error;
    }
    for (EditorHost& host : hosts)
        if (!openEditor(host)) return "an editor did not open";
    for (int tick = 0; tick < 10; ++tick) {
        for (EditorHost& host : hosts) {
            runSilentBlock(host.effect->record());
            idle(host);
        }
        std::this_thread::sleep_for(kIdlePeriod);
    }
    for (EditorHost& host : hosts) {
        host.effect->dispatch(opEditorClose);
        host.window->pumpEvents();
        host.effect->close();
    }
    return "";
}

std::string editorAfterWindowDestroyed(const std::string& module) {
    EditorHost host;
    std::string error = prepare(module, host);
    if (!error.empty()) return error;
    if (!openEditor(host)) return "the editor did not open";
    idle(host);
    host.window->destroyNow();
    for (int tick = 0; tick < 3; ++tick) {
        runSilentBlock(host.effect->record());
        idle(host);
        std::this_thread::sleep_for(kIdlePeriod);
    }
    host.effect->dispatch(opEditorClose);
    host.effect->close();
    return "";
}
