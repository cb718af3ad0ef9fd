// Editor checks: the editor in real host windows, with the idle at about
// 30 Hz and audio blocks running, the way a host's interface and audio
// threads drive it.

#include "host/EditorChecks.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "host/EditorHost.h"
#include "interface/Opcodes.h"

namespace {
constexpr int32_t kBlockFrames = EditorHost::kBlock;
constexpr auto kIdlePeriod = std::chrono::milliseconds(33);

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

// A closed editor's window must be gone; a module drawing over its own
// display connection gets a moment for its requests to reach the server.
bool windowLeftBehind(HostWindow& window) {
    for (int wait = 0; wait < 10 && window.hasChildWindows(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return window.hasChildWindows();
}

}  // namespace

std::string editorOpenedRepeatedly(const std::string& module) {
    std::string error;
    auto prepared = EditorHost::prepare(module, "Skyrun check", error);
    if (!prepared) return error;
    EditorHost& host = *prepared;
    AudioThread audio(host.effect->record());
    // The idles keep about 30 Hz: each cycle's first follows the open, its
    // second comes at the next tick, just before the close.
    auto tick = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < 200; ++cycle) {
        if (!host.openEditor()) return "the editor did not open on cycle " + std::to_string(cycle);
        idle(host);
        tick += kIdlePeriod;
        std::this_thread::sleep_until(tick);
        idle(host);
        host.closeEditor();
        host.window->pumpEvents();
        if (windowLeftBehind(*host.window))
            return "a window was left behind on cycle " + std::to_string(cycle);
    }
    if (audio.blocksRun() == 0) return "the audio thread ran no block";
    return "";
}

std::string twoEditorsAtOnce(const std::string& module) {
    std::unique_ptr<EditorHost> hosts[2];
    for (auto& host : hosts) {
        std::string error;
        host = EditorHost::prepare(module, "Skyrun check", error);
        if (!host) return error;
    }
    for (auto& host : hosts)
        if (!host->openEditor()) return "an editor did not open";
    for (int tick = 0; tick < 10; ++tick) {
        for (auto& host : hosts) {
            runSilentBlock(host->effect->record());
            idle(*host);
        }
        std::this_thread::sleep_for(kIdlePeriod);
    }
    for (auto& host : hosts) {
        host->closeEditor();
        host->window->pumpEvents();
        host->finish();
    }
    return "";
}

std::string editorAfterWindowDestroyed(const std::string& module) {
    std::string error;
    auto prepared = EditorHost::prepare(module, "Skyrun check", error);
    if (!prepared) return error;
    EditorHost& host = *prepared;
    if (!host.openEditor()) return "the editor did not open";
    idle(host);
    host.window->destroyNow();
    for (int tick = 0; tick < 3; ++tick) {
        runSilentBlock(host.effect->record());
        idle(host);
        std::this_thread::sleep_for(kIdlePeriod);
    }
    host.finish();
    return "";
}
