// SPDX-License-Identifier: MIT
// `demo MODULE --seconds S --out DIR`: the plug-in at work as a host runs it.
// A quiet tone streams through the effect while the editor idles at 30 Hz
// and the demo player plays the game with real key and button presses. It
// writes the output (demo.wav), screenshots (frames/) and prints a summary.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "host/Session.h"
#include "host/commands/Commands.h"
#include "host/commands/DemoPlayer.h"
#include "host/io/PngFile.h"

namespace {
constexpr int32_t kFrameEvery = 3;  // a screenshot every third idle

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
                    20 * std::log10(std::max(peak, 1e-9)), rms,
                    20 * std::log10(std::max(rms, 1e-9)));
    }
}

// `status` is null when the effect does not tell its game's counters.
void printSummary(const GameStatus* status, Session& session, int32_t frames,
                  const std::filesystem::path& folder, const std::string& wav) {
    const Timing& blocks = session.audio().timing();
    const Timing& idles = session.idleTiming();
    if (status) {
        std::printf("steps played: %d\n", int(status->steps));
        std::printf("score: %d\n", int(status->score));
        std::printf("lives: %d\n", int(status->lives));
        std::printf("game overs: %d\n", int(status->gameOvers));
    } else {
        std::printf("game counters: not told by the plug-in\n");
    }
    std::printf("audio blocks: %ld, %.1f us per block (worst %.1f us)\n", blocks.count,
                blocks.meanMicros(), blocks.worst * 1e6);
    std::printf("editor idles: %ld, %.1f us per idle (worst %.1f us)\n", idles.count,
                idles.meanMicros(), idles.worst * 1e6);
    printLevels(session.audio().recording());
    std::printf("frames: %d in %s\n", frames, folder.string().c_str());
    std::printf("sound: %s\n", wav.c_str());
}

int runDemo(const CommandLine& line) {
    const double seconds = line.number("--seconds", 0);
    if (!(seconds > 0 && seconds <= 600))
        return line.wrong("--seconds must be between 0 and 600");
    int32_t zoom = 0;
    if (!readZoom(line, zoom)) return line.wrong("--zoom must be 1, 2, 3 or 4");
    const std::filesystem::path out = line.value("--out");
    const std::filesystem::path folder = out / "frames";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    if (!std::filesystem::is_directory(folder))
        return failed(out.string(), "cannot make the folder");
    std::string error;
    auto session = Session::open(line.module(), "Skyrun demo", error, zoom);
    if (!session) {
        return failed(line.module(), error);
    }
    session->openEditor();
    session->streamAudio(AudioInput::tone, size_t(seconds * Session::kRate) + Session::kBlock);
    HostWindow& window = session->window();
    // START lies at the same place of the picture at any zoom.
    int32_t width = 0, height = 0;
    session->effect().editorSize(width, height);
    DemoPlayer player(window, std::max(width / DemoPlayer::kEditorWidth, 1));
    GameStatus status{};
    int32_t frames = 0;
    session->runIdles(int32_t(seconds * Session::kIdleHz), [&](int32_t idle) {
        // The picture the idle before drew.
        if (idle % kFrameEvery == 1) {
            Screenshot shot;
            char name[32];
            std::snprintf(name, sizeof name, "frame_%04d.png", frames++);
            const std::string path = (folder / name).string();
            std::string why = "cannot read the window's pixels";
            if (!window.capture(shot) || !writePng(path, shot, why)) failed(path, why);
        }
        session->effect().gameStatus(status);
        player.act(idle, status);
        return true;
    });
    player.release();
    session->stopAudio();
    const bool told = session->effect().gameStatus(status);
    session->finish();

    const std::string wav = (out / "demo.wav").string();
    if (!writeAudioFile(wav, session->audio().recording(), error)) {
        return failed(wav, error);
    }
    printSummary(told ? &status : nullptr, *session, frames, folder, wav);
    return 0;
}
}  // namespace

const Command demoCommand{
    "demo",
    "plays the game with audio running; writes sound and pictures",
    {{"--seconds", "S", "how long to play, up to 600", true},
     {"--out", "DIR", "where demo.wav and frames/ go", true},
     zoomOption},
    runDemo};
