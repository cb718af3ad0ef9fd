// `render MODULE --in IN.wav --out OUT.wav [--block N] [--rate R] [--accumulating]`:
// streams a file through the effect block by block, as a host's offline
// bounce does.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "host/AudioFile.h"
#include "host/Commands.h"
#include "host/HostedEffect.h"
#include "host/RenderBlocks.h"
#include "interface/Opcodes.h"

namespace {
struct RenderOptions {
    std::string module, in, out;
    int block = 512;
    float rate = 44100.0f;
    bool accumulating = false;
};

bool parse(const std::vector<std::string>& args, RenderOptions& options) {
    if (args.empty()) return false;
    options.module = args[0];
    bool rateGiven = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg == "--in" && hasValue) {
            options.in = args[++i];
        } else if (arg == "--out" && hasValue) {
            options.out = args[++i];
        } else if (arg == "--block" && hasValue) {
            options.block = std::atoi(args[++i].c_str());
            if (options.block < 1 || options.block > 1 << 20) return false;
        } else if (arg == "--rate" && hasValue) {
            options.rate = float(std::atof(args[++i].c_str()));
            if (!(options.rate > 0.0f)) return false;
            rateGiven = true;
        } else if (arg == "--accumulating") {
            options.accumulating = true;
        } else if (arg == "--replacing") {
            options.accumulating = false;
        } else {
            return false;
        }
    }
    if (!rateGiven) options.rate = 0.0f;  // the input file's own rate
    return !options.in.empty() && !options.out.empty();
}
}  // namespace

int runRender(const std::vector<std::string>& args) {
    RenderOptions options;
    if (!parse(args, options)) {
        std::fprintf(stderr,
                     "usage: skyrun-host render MODULE --in IN.wav --out OUT.wav [--block N] "
                     "[--rate R] [--replacing|--accumulating]\n");
        return 2;
    }
    StereoAudio audio;
    std::string error;
    if (!readAudioFile(options.in, audio, error)) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", options.in.c_str(), error.c_str());
        return 1;
    }
    if (options.rate > 0.0f) audio.sampleRate = int(options.rate);
    auto effect = HostedEffect::create(options.module, error);
    if (!effect) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", options.module.c_str(), error.c_str());
        return 1;
    }
    EffectRecord& record = effect->record();
    effect->dispatch(opOpen);
    effect->dispatch(opSetSampleRate, 0, 0, nullptr, float(audio.sampleRate));
    effect->dispatch(opSetBlockSize, 0, options.block);
    effect->dispatch(opSuspendResume, 0, 1);

    StereoAudio output;
    output.sampleRate = audio.sampleRate;
    output.left.assign(audio.frames(), 0.0f);
    output.right.assign(audio.frames(), 0.0f);
    auto started = std::chrono::steady_clock::now();
    bool showProgress = false;
    size_t blocks = 0;
    renderBlocks(record, audio, output, options.block, options.accumulating, [&](size_t done) {
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (seconds > 1.0) showProgress = true;
        if (showProgress && blocks % 256 == 0)
            std::fprintf(stderr, "\rrendering: %3d%%",
                         int(100.0 * double(done) / double(audio.frames())));
        ++blocks;
    });
    if (showProgress) std::fprintf(stderr, "\rrendering: 100%%\n");
    effect->dispatch(opSuspendResume, 0, 0);
    effect->close();
    if (!writeAudioFile(options.out, output, error)) {
        std::fprintf(stderr, "skyrun-host: %s: %s\n", options.out.c_str(), error.c_str());
        return 1;
    }
    std::printf("rendered %zu frames at %d Hz in blocks of %d (%s) to %s\n", audio.frames(),
                audio.sampleRate, options.block, options.accumulating ? "accumulating" : "replacing",
                options.out.c_str());
    return 0;
}
