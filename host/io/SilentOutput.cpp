// SPDX-License-Identifier: MIT
// The stand-in for a sound device: a thread that renders blocks in real time.

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "host/io/SilentOutput.h"

namespace {
class SilentOutput : public AudioOutput {
public:
    SilentOutput(int32_t rate, int32_t block, RenderBlock render) {
        worker = std::thread([this, rate, block, render] {
            std::vector<float> left(static_cast<size_t>(block)), right(static_cast<size_t>(block));
            auto next = std::chrono::steady_clock::now();
            while (running) {
                render(left.data(), right.data(), block);
                next += std::chrono::microseconds(int64_t(block) * 1000000 / rate);
                std::this_thread::sleep_until(next);
            }
        });
    }
    ~SilentOutput() override {
        running = false;
        worker.join();
    }

private:
    std::atomic<bool> running{true};
    std::thread worker;
};
}  // namespace

std::unique_ptr<AudioOutput> openSilentOutput(int32_t rate, int32_t block, RenderBlock render) {
    return std::make_unique<SilentOutput>(rate, block, std::move(render));
}
