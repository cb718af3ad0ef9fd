// SPDX-License-Identifier: MIT
// The render loop's blocks, seen from the effect: every frame once, in order,
// and no block reaching past either buffer's end, the last short one included.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/RenderBlocks.h"

namespace {
struct Buffers {
    const StereoAudio* in;
    const StereoAudio* out;
};
Buffers buffers;
std::vector<std::string> outside;  // each call that reached past a buffer
size_t nextFrame = 0;

bool inside(const float* start, int32_t frames, const std::vector<float>& buffer) {
    return start >= buffer.data() && start + frames <= buffer.data() + buffer.size();
}

// Checks the block's place, then doubles (replacing) or adds (accumulating) the input.
template <bool accumulating>
void recordingProcess(float** inputs, float** outputs, int32_t frames) {
    if (!inside(inputs[0], frames, buffers.in->left) ||
        !inside(inputs[1], frames, buffers.in->right) ||
        !inside(outputs[0], frames, buffers.out->left) ||
        !inside(outputs[1], frames, buffers.out->right)) {
        outside.push_back("block at " + std::to_string(nextFrame) + " of " +
                          std::to_string(frames) + " frames");
        return;
    }
    EXPECT_EQ(inputs[0], buffers.in->left.data() + nextFrame);
    nextFrame += size_t(frames);
    for (int c = 0; c < 2; ++c)
        for (int32_t i = 0; i < frames; ++i)
            outputs[c][i] = accumulating ? outputs[c][i] + inputs[c][i] : 2.0f * inputs[c][i];
}
}  // namespace

TEST(RenderBlocks, EveryFrameOnceAndNothingPastTheEnd) {
    for (size_t length : {1000u, 1u, 0u})
        for (int32_t block : {300, 1, 1000, 4096})
            for (bool accumulating : {false, true}) {
                SCOPED_TRACE(std::to_string(length) + " frames in blocks of " +
                             std::to_string(block) + (accumulating ? " accumulating" : ""));
                StereoAudio in, out;
                for (size_t i = 0; i < length; ++i) {
                    in.left.push_back(float(i));
                    in.right.push_back(-float(i));
                }
                out.left.assign(length, 1.0f);
                out.right.assign(length, 1.0f);
                buffers = {&in, &out};
                outside.clear();
                nextFrame = 0;
                std::vector<size_t> done;
                renderBlocks(accumulating ? recordingProcess<true> : recordingProcess<false>, in,
                             out, block, [&](size_t frames) { done.push_back(frames); });
                EXPECT_EQ(outside, std::vector<std::string>{});
                EXPECT_EQ(nextFrame, length);
                EXPECT_EQ(done.size(), (length + size_t(block) - 1) / size_t(block));
                EXPECT_EQ(done.empty() ? 0 : done.back(), length);
                for (size_t i = 0; i < length; ++i) {
                    const float expected = accumulating ? 1.0f + float(i) : 2.0f * float(i);
                    ASSERT_EQ(out.left[i], expected) << i;
                    ASSERT_EQ(out.right[i], accumulating ? 1.0f - float(i) : -expected) << i;
                }
            }
}
