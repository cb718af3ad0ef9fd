// SPDX-License-Identifier: MIT
#include "host/commands/check/BlockCheck.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

bool sameSample(float got, float expected) {
    return std::isnan(expected) ? std::isnan(got) : got == expected;
}
}  // namespace

const TestSignal kTestSignals[4] = {
    {"silence", 0.0f, 0.0f}, {"full scale", 1.0f, -1.0f}, {"NaN", kNaN, kNaN},
    {"infinity", kInfinity, -kInfinity}};

// The two guards differ, so that copying input past the block shows too.
std::string runBlock(const BlockProcess& process, BlockBuffers buffers, int32_t frames,
                     const TestSignal& signal) {
    constexpr float inputGuard = 1234.5f, outputGuard = -4321.25f;
    const size_t size = size_t(frames) + 8;
    std::vector<float> in[2], out[2], original[2], earlier[2];
    for (int k = 0; k < 2; ++k) {
        in[k].assign(size, inputGuard);
        out[k].assign(size, outputGuard);
        for (int32_t i = 0; i < frames; ++i) {
            in[k][size_t(i)] = (i + k) % 2 ? signal.odd : signal.even;
            out[k][size_t(i)] = float(i % 5) * 0.25f - 0.5f;
        }
        original[k] = in[k];
        earlier[k] = out[k];
    }
    const bool inPlace = buffers == BlockBuffers::inPlace;
    std::vector<float>* result = inPlace ? in : out;
    float* inputs[2] = {in[0].data(), in[1].data()};
    float* outputs[2] = {result[0].data(), result[1].data()};
    process(inputs, outputs, frames);
    for (int k = 0; k < 2; ++k)
        for (size_t i = 0; i < size; ++i) {
            const bool inBlock = i < size_t(frames);
            float expected = inPlace ? original[k][i] : earlier[k][i];
            if (inBlock && buffers == BlockBuffers::replacing) expected = original[k][i];
            if (inBlock && buffers == BlockBuffers::accumulating)
                expected = original[k][i] + earlier[k][i];
            if (!sameSample(result[k][i], expected))
                return "channel " + std::to_string(k) + " sample " + std::to_string(i) +
                       (inBlock ? " is " : " past the block is ") + std::to_string(result[k][i]) +
                       ", expected " + std::to_string(expected);
            if (!inPlace && !sameSample(in[k][i], original[k][i]))
                return "input channel " + std::to_string(k) + " changed at " + std::to_string(i);
        }
    return "";
}
