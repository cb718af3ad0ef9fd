// SPDX-License-Identifier: MIT
#include "host/RenderBlocks.h"

#include <algorithm>

void renderBlocks(const BlockProcess& process, StereoAudio& in, StereoAudio& out, int32_t block,
                  const std::function<void(size_t done)>& afterBlock) {
    for (size_t at = 0; at < in.frames(); at += size_t(block)) {
        auto frames = int32_t(std::min<size_t>(size_t(block), in.frames() - at));
        float* inputs[2] = {&in.left[at], &in.right[at]};
        float* outputs[2] = {&out.left[at], &out.right[at]};
        process(inputs, outputs, frames);
        afterBlock(at + size_t(frames));
    }
}
