// SPDX-License-Identifier: MIT
#pragma once
// Where a session's audio goes: the output asks for blocks of stereo
// samples on a thread of its own and the render function fills them. The
// sound device plays them; io/SilentOutput.h asks at the same pace and
// drops them.

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
    // Returns once no block is being rendered any more.
    virtual ~AudioOutput() = default;
};
