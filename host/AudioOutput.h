#pragma once
// Live sound for `play`: the device asks for blocks of stereo samples and the
// render function fills them. When no device opens, a timer thread asks for
// the blocks at the same pace and the samples go nowhere.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using RenderBlock = std::function<void(float* left, float* right, int32_t frames)>;

class AudioOutput {
public:
    // The sound device when one opens, else null with `error` saying why.
    static std::unique_ptr<AudioOutput> openDevice(int32_t rate, int32_t block, RenderBlock render,
                                                   std::string& error);
    // Blocks at the device's pace without a device.
    static std::unique_ptr<AudioOutput> openSilent(int32_t rate, int32_t block, RenderBlock render);
    virtual ~AudioOutput() = default;
};
