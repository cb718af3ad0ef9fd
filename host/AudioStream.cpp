// SPDX-License-Identifier: MIT
#include "host/AudioStream.h"

#include <algorithm>
#include <cmath>

#include "host/io/SilentOutput.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

AudioStream::AudioStream(HostedEffect& effect, int32_t rate, int32_t block, AudioInput input,
                         size_t keepFrames)
    : effect(effect), rate(rate), block(block), input(input), keepFrames(keepFrames) {
    for (auto& channel : in) channel.assign(size_t(block), 0.0f);
    kept.sampleRate = rate;
    kept.left.reserve(keepFrames);
    kept.right.reserve(keepFrames);
}

bool AudioStream::startOnDevice(std::string& error) {
    output = AudioOutput::openDevice(
        rate, block, [this](float* l, float* r, int32_t frames) { render(l, r, frames); }, error);
    return output != nullptr;
}

void AudioStream::startPaced() {
    output = openSilentOutput(
        rate, block, [this](float* l, float* r, int32_t frames) { render(l, r, frames); });
}

void AudioStream::render(float* left, float* right, int32_t frames) {
    if (input == AudioInput::tone) {
        // A quiet 220 Hz tone, so that the pass-through is heard under the game.
        for (int32_t i = 0; i < frames; ++i) {
            double t = double(framesDone + i) / rate;
            in[0][size_t(i)] = in[1][size_t(i)] = float(0.1 * std::sin(2 * kPi * 220.0 * t));
        }
    }
    float* inputs[2] = {in[0].data(), in[1].data()};
    float* outputs[2] = {left, right};
    blockTiming.measure([&] { effect.process(inputs, outputs, frames); });
    framesDone += frames;
    ++blockCount;
    auto room = std::min(size_t(frames), keepFrames - kept.frames());
    kept.left.insert(kept.left.end(), left, left + room);
    kept.right.insert(kept.right.end(), right, right + room);
}
