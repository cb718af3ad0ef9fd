#include "host/commands/InstanceChecks.h"

#include "host/HostedEffect.h"
#include "host/commands/BlockCheck.h"

std::string startAndCloseRepeatedly(const std::string& plugin) {
    for (int run = 0; run < 100; ++run) {
        std::string error;
        auto effect = HostedEffect::load(plugin, error);
        if (!effect || !effect->start(44100, 512, error))
            return "run " + std::to_string(run) + ": " + error;
        effect->stop();
    }
    return "";
}

std::string instanceAudioPassesThrough(const std::string& plugin) {
    std::string error;
    auto effect = HostedEffect::load(plugin, error);
    if (!effect) return error;
    const BlockProcess process = [&](float** in, float** out, int32_t frames) {
        effect->process(in, out, frames);
    };
    for (int32_t rate : {8000, 44100, 96000, 384000})
        for (int32_t frames : {0, 1, 7, 512, 4096}) {
            const std::string at = std::to_string(rate) + " Hz, block " + std::to_string(frames);
            if (!effect->start(rate, frames, error)) return at + ": " + error;
            for (const TestSignal& signal : kTestSignals)
                for (BlockBuffers buffers : {BlockBuffers::replacing, BlockBuffers::inPlace}) {
                    std::string why = runBlock(process, buffers, frames, signal);
                    if (!why.empty())
                        return std::string(buffers == BlockBuffers::inPlace ? "in place"
                                                                            : "separate") +
                               " at " + at + ", " + signal.name + ": " + why;
                }
            effect->stop();
        }
    return "";
}
