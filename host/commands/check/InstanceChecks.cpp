// SPDX-License-Identifier: MIT
// The checks that need no window and speak only what every format offers a
// host: start, process, stop.

#include <initializer_list>

#include "host/commands/check/BlockCheck.h"
#include "host/commands/check/Checks.h"
#include "host/formats/Formats.h"

namespace {
const char* bufferName(BlockBuffers buffers) {
    switch (buffers) {
    case BlockBuffers::replacing: return "replacing";
    case BlockBuffers::accumulating: return "accumulating";
    case BlockBuffers::inPlace: return "in place";
    }
    return "";
}

// Every test signal in blocks of each kind of `buffers`, at several rates
// and block sizes, the effect started anew for each.
std::string passesThrough(const std::string& plugin, std::initializer_list<BlockBuffers> kinds) {
    std::string error;
    auto effect = loadEffect(plugin, error);
    if (!effect) return error;
    const BlockProcess replacing = [&](float** in, float** out, int32_t frames) {
        effect->process(in, out, frames);
    };
    const BlockProcess accumulating = [&](float** in, float** out, int32_t frames) {
        effect->accumulate(in, out, frames);
    };
    for (int32_t rate : {8000, 44100, 96000, 384000})
        for (int32_t frames : {0, 1, 7, 512, 4096}) {
            const std::string at = std::to_string(rate) + " Hz, block " + std::to_string(frames);
            if (!effect->start(rate, frames, error)) return at + ": " + error;
            for (const TestSignal& signal : kTestSignals)
                for (BlockBuffers buffers : kinds) {
                    const std::string why =
                        runBlock(buffers == BlockBuffers::accumulating ? accumulating : replacing,
                                 buffers, frames, signal);
                    if (!why.empty())
                        return std::string(bufferName(buffers)) + " at " + at + ", " +
                               signal.name + ": " + why;
                }
            effect->stop();
        }
    return "";
}
}  // namespace

std::string startAndCloseRepeatedly(const std::string& plugin) {
    for (int run = 0; run < 100; ++run) {
        std::string error;
        auto effect = loadEffect(plugin, error);
        if (!effect || !effect->start(44100, 512, error))
            return "run " + std::to_string(run) + ": " + error;
        effect->stop();
    }
    return "";
}

std::string audioPassesThrough(const std::string& plugin) {
    return passesThrough(plugin, {BlockBuffers::replacing, BlockBuffers::accumulating});
}

std::string audioPassesThroughInPlace(const std::string& plugin) {
    return passesThrough(plugin, {BlockBuffers::replacing, BlockBuffers::inPlace});
}
