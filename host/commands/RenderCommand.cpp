// SPDX-License-Identifier: MIT
// `render MODULE --in IN.wav --out OUT.wav [--block N] [--rate R] [--accumulating]`:
// streams a file through the effect block by block, as a host's offline
// bounce does; a plug-in of a format without the accumulating callback has
// the replacing one only.

#include <chrono>
#include <cstdio>

#include "host/RenderBlocks.h"
#include "host/commands/Commands.h"
#include "host/formats/Formats.h"
#include "host/io/AudioFile.h"

namespace {
int runRender(const CommandLine& line) {
    const double blockFrames = line.number("--block", 512);
    if (!(blockFrames >= 1 && blockFrames <= 1 << 20))
        return line.wrong("--block must be between 1 and 1048576");
    const int block = int(blockFrames);
    // Without --rate, the input file's own.
    const double rate = line.number("--rate", 0);
    if (line.has("--rate") && !(rate > 0)) return line.wrong("--rate must be above 0");
    const bool accumulating = line.lastOf({"--replacing", "--accumulating"}) == "--accumulating";
    const std::string in = line.value("--in"), out = line.value("--out");
    StereoAudio audio;
    std::string error;
    if (!readAudioFile(in, audio, error)) {
        return failed(in, error);
    }
    if (rate > 0) audio.sampleRate = int(rate);
    auto effect = loadEffect(line.module(), error);
    if (!effect || (accumulating && !effect->accumulates(error)) ||
        !effect->start(audio.sampleRate, block, error)) {
        return failed(line.module(), error);
    }
    const BlockProcess process = [&](float** inputs, float** outputs, int32_t frames) {
        if (accumulating)
            effect->accumulate(inputs, outputs, frames);
        else
            effect->process(inputs, outputs, frames);
    };

    StereoAudio output;
    output.sampleRate = audio.sampleRate;
    output.left.assign(audio.frames(), 0.0f);
    output.right.assign(audio.frames(), 0.0f);
    auto started = std::chrono::steady_clock::now();
    bool showProgress = false;
    size_t blocks = 0;
    renderBlocks(process, audio, output, block, [&](size_t done) {
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (seconds > 1.0) showProgress = true;
        if (showProgress && blocks % 256 == 0)
            std::fprintf(stderr, "\rrendering: %3d%%",
                         int(100.0 * double(done) / double(audio.frames())));
        ++blocks;
    });
    if (showProgress) std::fprintf(stderr, "\rrendering: 100%%\n");
    effect->stop();
    effect.reset();
    if (!writeAudioFile(out, output, error)) {
        return failed(out, error);
    }
    std::printf("rendered %zu frames at %d Hz in blocks of %d (%s) to %s\n", audio.frames(),
                audio.sampleRate, block, accumulating ? "accumulating" : "replacing",
                out.c_str());
    return 0;
}
}  // namespace

const Command renderCommand{
    "render",
    "streams a WAV file through the effect block by block",
    {{"--in", "IN.wav", "the WAV file to read", true},
     {"--out", "OUT.wav", "the WAV file to write (32-bit float, stereo)", true},
     {"--block", "N", "frames a block (512)"},
     {"--rate", "R", "the sample rate the effect is told (the input's)"},
     {"--replacing", nullptr, "the replacing callback (the default)"},
     {"--accumulating", nullptr, "the accumulating callback"}},
    runRender};
