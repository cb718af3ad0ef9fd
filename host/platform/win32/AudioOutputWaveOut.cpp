// SPDX-License-Identifier: MIT
// Live sound on Windows through waveOut: a thread keeps four buffers queued.

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "host/platform/AudioOutput.h"

namespace {
constexpr int kBuffers = 4;

class WaveOutput : public AudioOutput {
public:
    WaveOutput(HWAVEOUT device, int32_t block, RenderBlock render)
        : device(device), block(block), render(std::move(render)) {
        for (int i = 0; i < kBuffers; ++i) {
            samples[i].assign(size_t(block) * 2, 0);
            headers[i] = WAVEHDR{};
            headers[i].lpData = reinterpret_cast<LPSTR>(samples[i].data());
            headers[i].dwBufferLength = DWORD(samples[i].size() * sizeof(int16_t));
            waveOutPrepareHeader(device, &headers[i], sizeof(WAVEHDR));
            headers[i].dwFlags |= WHDR_DONE;
        }
        worker = std::thread([this] { run(); });
    }
    ~WaveOutput() override {
        running = false;
        worker.join();
        waveOutReset(device);
        for (auto& header : headers) waveOutUnprepareHeader(device, &header, sizeof(WAVEHDR));
        waveOutClose(device);
    }

private:
    void run() {
        std::vector<float> left(static_cast<size_t>(block)), right(static_cast<size_t>(block));
        while (running) {
            bool queued = false;
            for (int i = 0; i < kBuffers; ++i) {
                if (!(headers[i].dwFlags & WHDR_DONE)) continue;
                render(left.data(), right.data(), block);
                for (int32_t f = 0; f < block; ++f) {
                    samples[i][size_t(f) * 2] = toPcm(left[size_t(f)]);
                    samples[i][size_t(f) * 2 + 1] = toPcm(right[size_t(f)]);
                }
                headers[i].dwFlags &= ~DWORD(WHDR_DONE);
                waveOutWrite(device, &headers[i], sizeof(WAVEHDR));
                queued = true;
            }
            if (!queued) Sleep(2);
        }
    }
    static int16_t toPcm(float sample) {
        float clipped = std::clamp(sample, -1.0f, 1.0f);
        return int16_t(std::lround(clipped * 32767.0f));
    }

    HWAVEOUT device;
    int32_t block;
    RenderBlock render;
    std::vector<int16_t> samples[kBuffers];
    WAVEHDR headers[kBuffers];
    std::atomic<bool> running{true};
    std::thread worker;
};
}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::openDevice(int32_t rate, int32_t block,
                                                     RenderBlock render, std::string& error) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = DWORD(rate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = DWORD(rate) * 4;
    HWAVEOUT device = nullptr;
    MMRESULT status = waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
    if (status != MMSYSERR_NOERROR) {
        char text[256] = {};
        waveOutGetErrorTextA(status, text, sizeof text);
        error = text[0] ? text : "no sound device";
        return nullptr;
    }
    return std::make_unique<WaveOutput>(device, block, std::move(render));
}
