// `demo MODULE --seconds S --out DIR`: the plug-in at work as a host runs it.
// An audio thread streams 512-frame blocks of a test tone through the effect
// in real time; the interface thread calls the editor idle at 30 Hz and plays
// the game with real key and button presses: it flies, fires, parks in an
// enemy lane until the game is lost, presses START and plays on. It writes
// the output (demo.wav), screenshots (frames/) and prints a summary.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "host/AudioFile.h"
#include "host/Commands.h"
#include "host/EditorHost.h"
#include "host/PngFile.h"
#include "interface/GameStatus.h"
#include "interface/Opcodes.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr int32_t kBlock = EditorHost::kBlock;
constexpr int32_t kRate = EditorHost::kRate;
constexpr int32_t kIdleHz = 30;
constexpr int32_t kFrameEvery = 3;  // a screenshot every third idle
constexpr double kPi = 3.14159265358979323846;

struct Timing {
    double total = 0, worst = 0;
    long count = 0;
    void add(double seconds) {
        total += seconds;
        worst = std::max(worst, seconds);
        ++count;
    }
    double meanMicros() const { return count ? total / double(count) * 1e6 : 0.0; }
};

// Streams blocks in real time until stopped; the output is kept for the file.
class AudioThread {
public:
    AudioThread(EffectRecord& record, size_t maxFrames) : record(record) {
        output.sampleRate = kRate;
        output.left.reserve(maxFrames);
        output.right.reserve(maxFrames);
        maxBlocks = long(maxFrames / kBlock);
        worker = std::thread([this] { run(); });
    }
    void stop() {
        running = false;
        if (worker.joinable()) worker.join();
    }
    const StereoAudio& result() const { return output; }
    const Timing& timing() const { return blockTiming; }

private:
    void run() {
        std::vector<float> in0(kBlock), in1(kBlock), out0(kBlock), out1(kBlock);
        float* in[2] = {in0.data(), in1.data()};
        float* out[2] = {out0.data(), out1.data()};
        auto next = Clock::now();
        for (long block = 0; running && block < maxBlocks; ++block) {
            // A quiet 220 Hz tone, so the pass-through is heard under the game.
            for (int32_t i = 0; i < kBlock; ++i) {
                double t = double(block * kBlock + i) / kRate;
                in0[size_t(i)] = in1[size_t(i)] = float(0.1 * std::sin(2 * kPi * 220.0 * t));
            }
            auto started = Clock::now();
            record.processReplacing(&record, in, out, kBlock);
            blockTiming.add(std::chrono::duration<double>(Clock::now() - started).count());
            output.left.insert(output.left.end(), out0.begin(), out0.end());
            output.right.insert(output.right.end(), out1.begin(), out1.end());
            next += std::chrono::microseconds(kBlock * 1000000LL / kRate);
            std::this_thread::sleep_until(next);
        }
    }

    EffectRecord& record;
    std::atomic<bool> running{true};
    long maxBlocks = 0;
    StereoAudio output;
    Timing blockTiming;
    std::thread worker;
};

// Plays the game from what the status query tells.
class Player {
public:
    explicit Player(HostWindow& window) : window(window) {}

    void act(int32_t idle, const GameStatus& status) {
        switch (phase) {
        case Phase::warmUp:
            if (idle >= 20) begin(Phase::flyRight, idle);
            break;
        case Phase::flyRight:
            hold(InputKey::rightButton);
            if (idle - since >= 12) begin(Phase::fireRight, idle);
            break;
        case Phase::fireRight:
            hold(InputKey::shift);
            if (idle - since >= 60) begin(Phase::flyLeft, idle);
            break;
        case Phase::flyLeft:
            hold(InputKey::control);
            if (idle - since >= 18) begin(Phase::fireLeft, idle);
            break;
        case Phase::fireLeft:
            hold(InputKey::shift);
            if (idle - since >= 45) begin(Phase::toLane, idle);
            break;
        case Phase::toLane:
            // From the far left back to the lane at world x 128, then wait there.
            hold(InputKey::alt);
            if (idle - since >= 12) begin(Phase::waitInLane, idle);
            break;
        case Phase::waitInLane:
            release();
            if (status.gameOvers > gameOversSeen) begin(Phase::pressStart, idle);
            break;
        case Phase::pressStart:
            if (idle - since == 20) window.movePointer(31, 94);
            if (idle - since == 21) hold(InputKey::leftButton);
            if (idle - since >= 23) {
                release();
                gameOversSeen = status.gameOvers;
                begin(Phase::playOn, idle);
            }
            break;
        case Phase::playOn:
            hold((idle / 20) % 3 == 0 ? InputKey::rightButton
                 : (idle / 20) % 3 == 1 ? InputKey::shift
                                        : InputKey::control);
            break;
        }
    }
    void release() {
        if (holding) window.setHeld(held, false);
        holding = false;
    }

private:
    enum class Phase { warmUp, flyRight, fireRight, flyLeft, fireLeft, toLane, waitInLane,
                       pressStart, playOn };
    void begin(Phase next, int32_t idle) {
        release();
        phase = next;
        since = idle;
    }
    void hold(InputKey key) {
        if (holding && held == key) return;
        release();
        window.setHeld(key, true);
        held = key;
        holding = true;
    }

    HostWindow& window;
    Phase phase = Phase::warmUp;
    int32_t since = 0;
    int32_t gameOversSeen = 0;
    InputKey held = InputKey::leftButton;
    bool holding = false;
};

void printLevels(const StereoAudio& audio) {
    for (int channel = 0; channel < 2; ++channel) {
        const std::vector<float>& samples = channel == 0 ? audio.left : audio.right;
        double peak = 0, sum = 0;
        for (float s : samples) {
            peak = std::max(peak, double(std::fabs(s)));
            sum += double(s) * s;
        }
        double rms = samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
        std::printf("channel %d: peak %.3f (%.1f dBFS), rms %.3f (%.1f dBFS)\n", channel, peak,
                    20 * std::log10(std::max(peak, 1e-9)), rms, 20 * std::log10(std::max(rms, 1e-9)));
    }
}

bool queryStatus(HostedEffect& effect, GameStatus& status) {
    status = GameStatus{};
    status.size = int32_t(sizeof status);
    return effect.dispatch(opVendorSpecific, kStatusQueryIndex, kStatusQueryValue, &status) == 1;
}
}  // namespace

int runDemo(const std::vector<std::string>& args) {
    if (args.size() != 5 || args[1] != "--seconds" || args[3] != "--out") {
        std::fprintf(stderr, "usage: skyrun-host demo MODULE --seconds S --out DIR\n");
        return 2;
    }
    double seconds = std::atof(args[2].c_str());
    if (!(seconds > 0 && seconds <= 600)) {
        std::fprintf(stderr, "skyrun-host: --seconds must be between 0 and 600\n");
        return 2;
    }
    std::filesystem::path out = args[4];
    std::error_code ignored;
    std::filesystem::remove_all(out / "frames", ignored);
    std::filesystem::create_directories(out / "frames", ignored);
    if (!std::filesystem::is_directory(out / "frames")) {
        std::fprintf(stderr, "skyrun-host: %s: cannot make the folder\n", out.string().c_str());
        return 1;
    }
    std::string error;
    auto host = EditorHost::prepare(args[0], "Skyrun demo", error);
    if (!host) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", args[0].c_str(), error.c_str());
        return 1;
    }
    host->openEditor();
    HostedEffect* effect = host->effect.get();
    HostWindow* window = host->window.get();

    auto totalIdles = int32_t(seconds * kIdleHz);
    AudioThread audio(effect->record(), size_t(seconds * kRate) + kBlock);
    Player player(*window);
    Timing idleTiming;
    GameStatus status{};
    int32_t frames = 0;
    auto next = Clock::now();
    for (int32_t idle = 0; idle < totalIdles && window->pumpEvents(); ++idle) {
        queryStatus(*effect, status);
        player.act(idle, status);
        auto started = Clock::now();
        effect->dispatch(opEditorIdle);
        idleTiming.add(std::chrono::duration<double>(Clock::now() - started).count());
        if (idle % kFrameEvery == 0) {
            Screenshot shot;
            char name[32];
            std::snprintf(name, sizeof name, "frame_%04d.png", frames++);
            if (!window->capture(shot) || !writePng((out / "frames" / name).string(), shot, error))
                std::fprintf(stderr, "skyrun-host: cannot save %s\n", name);
        }
        next += std::chrono::microseconds(1000000 / kIdleHz);
        std::this_thread::sleep_until(next);
    }
    player.release();
    audio.stop();
    queryStatus(*effect, status);
    host->finish();

    std::string wav = (out / "demo.wav").string();
    if (!writeAudioFile(wav, audio.result(), error)) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", wav.c_str(), error.c_str());
        return 1;
    }
    std::printf("steps played: %d\n", int(status.steps));
    std::printf("score: %d\n", int(status.score));
    std::printf("lives: %d\n", int(status.lives));
    std::printf("game overs: %d\n", int(status.gameOvers));
    std::printf("audio blocks: %ld, %.1f us per block (worst %.1f us)\n", audio.timing().count,
                audio.timing().meanMicros(), audio.timing().worst * 1e6);
    std::printf("editor idles: %ld, %.1f us per idle (worst %.1f us)\n", idleTiming.count,
                idleTiming.meanMicros(), idleTiming.worst * 1e6);
    printLevels(audio.result());
    std::printf("frames: %d in %s\n", frames, (out / "frames").string().c_str());
    std::printf("sound: %s\n", wav.c_str());
    return 0;
}
