// SPDX-License-Identifier: MIT
// Live sound on Linux through PortAudio.

#include <fcntl.h>
#include <portaudio.h>
#include <unistd.h>

#include <vector>

#include "host/platform/AudioOutput.h"

namespace {
class PortAudioOutput : public AudioOutput {
public:
    explicit PortAudioOutput(RenderBlock render) : render(std::move(render)) {}
    ~PortAudioOutput() override {
        if (stream) {
            Pa_StopStream(stream);
            Pa_CloseStream(stream);
        }
        Pa_Terminate();
    }
    bool start(int32_t rate, int32_t block, std::string& error) {
        left.resize(size_t(block));
        right.resize(size_t(block));
        PaError status = Pa_OpenDefaultStream(&stream, 0, 2, paFloat32, rate, unsigned(block),
                                              &PortAudioOutput::callback, this);
        if (status == paNoError) status = Pa_StartStream(stream);
        if (status != paNoError) {
            error = Pa_GetErrorText(status);
            return false;
        }
        return true;
    }

private:
    static int callback(const void*, void* output, unsigned long frames,
                        const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags, void* data) {
        auto* self = static_cast<PortAudioOutput*>(data);
        auto* out = static_cast<float*>(output);
        if (frames > self->left.size()) frames = self->left.size();
        self->render(self->left.data(), self->right.data(), int32_t(frames));
        for (unsigned long i = 0; i < frames; ++i) {
            out[2 * i] = self->left[i];
            out[2 * i + 1] = self->right[i];
        }
        return paContinue;
    }

    RenderBlock render;
    PaStream* stream = nullptr;
    std::vector<float> left, right;
};
}  // namespace

namespace {
// The sound libraries behind PortAudio report every back end they try on
// stderr; the host says once, itself, what came of it.
class QuietStderr {
public:
    QuietStderr() : saved(dup(2)) {
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 2);
            close(null);
        }
    }
    ~QuietStderr() {
        if (saved >= 0) {
            dup2(saved, 2);
            close(saved);
        }
    }

private:
    int saved;
};
}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::openDevice(int32_t rate, int32_t block,
                                                     RenderBlock render, std::string& error) {
    QuietStderr quiet;
    PaError status = Pa_Initialize();
    if (status != paNoError) {
        error = Pa_GetErrorText(status);
        return nullptr;
    }
    auto output = std::make_unique<PortAudioOutput>(std::move(render));
    if (Pa_GetDeviceCount() <= 0) {
        error = "no sound device";
        return nullptr;
    }
    if (!output->start(rate, block, error)) return nullptr;
    return output;
}
