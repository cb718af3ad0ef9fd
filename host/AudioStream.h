// SPDX-License-Identifier: MIT
#pragma once
// The audio side of a session: every block the output asks for is filled
// with input, goes through the effect and is timed, and the start of the
// output is kept when a recording is wanted. The output is a sound device
// or, without one, a thread asking at a device's pace; either way the
// blocks run on a thread of their own, as in a host.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "host/Timing.h"
#include "host/formats/HostedEffect.h"
#include "host/io/AudioFile.h"
#include "host/platform/AudioOutput.h"

enum class AudioInput { silence, tone };

class AudioStream {
public:
    // The first `keepFrames` of the output are recorded.
    AudioStream(HostedEffect& effect, int32_t rate, int32_t block, AudioInput input,
                size_t keepFrames);
    // The sound device pulls the blocks; false with `error` saying why when
    // none opens.
    bool startOnDevice(std::string& error);
    void startPaced();
    // Ends the blocks; what they left stays readable.
    void stop() { output.reset(); }

    long blocks() const { return blockCount; }
    // Read once stopped.
    const Timing& timing() const { return blockTiming; }
    const StereoAudio& recording() const { return kept; }
    // One block as the output asks for it, from the output's thread.
    void render(float* left, float* right, int32_t frames);

private:
    HostedEffect& effect;
    const int32_t rate, block;
    const AudioInput input;
    std::vector<float> in[2];
    long framesDone = 0;
    std::atomic<long> blockCount{0};
    Timing blockTiming;
    StereoAudio kept;
    size_t keepFrames;
    std::unique_ptr<AudioOutput> output;  // last: stops before the rest goes
};
