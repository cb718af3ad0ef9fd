// SPDX-License-Identifier: MIT
// The session's idles 1/30 s apart on a clock of the test's own, however long
// each takes; the demo's input tone running on from block to block.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "host/Session.h"

namespace {
using std::chrono::duration_cast, std::chrono::microseconds;

// Time passes only while the session sleeps or an idle works.
struct TestClock : IdleClock {
    TimePoint now() override { return time; }
    void sleepUntil(TimePoint when) override { time = std::max(time, when); }
    TimePoint time{};
};

// Notes when each idle starts and works `work` in it; keeps every block's input.
struct TestEffect : HostedEffect {
    TestEffect(std::shared_ptr<TestClock> clock, long work) : clock(clock), work(work) {}
    bool start(int32_t, int32_t, std::string&) override { return true; }
    void stop() override {}
    void process(float** in, float**, int32_t frames) override {
        for (int c = 0; c < 2; ++c) input[c].insert(input[c].end(), in[c], in[c] + frames);
    }
    bool accumulates(std::string&) override { return false; }
    bool setZoom(int32_t, std::string&) override { return true; }
    bool editorSize(int32_t&, int32_t&) override { return true; }
    bool openEditor(HostWindow&) override { return true; }
    void idleEditor() override {
        idleStarts.push_back(long(duration_cast<microseconds>(clock->time.time_since_epoch()).count()));
        clock->time += work;
    }
    void closeEditor() override {}

    std::shared_ptr<TestClock> clock;
    microseconds work;
    std::vector<long> idleStarts;  // microseconds
    std::vector<float> input[2];
};

struct OpenWindow : HostWindow {
    void* parentHandle() override { return nullptr; }
    void destroyNow() override {}
    void resize(int32_t, int32_t) override {}
    bool pumpEvents() override { return true; }
    bool hasChildWindows() override { return false; }
    bool capture(Screenshot&) override { return false; }
    void movePointer(int32_t, int32_t) override {}
    void inject(InputKey, bool) override {}
};

TEST(Session, IdlesAThirtiethOfASecondApartOnTheClock) {
    const struct {
        long work;      // microseconds each idle takes
        int32_t count;  // negative: no end
        int32_t stopBefore;
        std::vector<long> starts;
    } cases[] = {
        {0, 4, -1, {0, 33333, 66666, 99999}},
        {10000, 4, -1, {0, 33333, 66666, 99999}},
        {10000, -1, 2, {0, 33333}},
    };
    for (const auto& c : cases) {
        auto clock = std::make_shared<TestClock>();
        auto effect = std::make_unique<TestEffect>(clock, c.work);
        TestEffect& seen = *effect;
        Session session(std::move(effect), std::make_unique<OpenWindow>(), clock);
        session.runIdles(c.count, [&](int32_t idle) { return idle != c.stopBefore; });
        EXPECT_EQ(seen.idleStarts, c.starts) << c.work << " us an idle, " << c.count << " idles";
    }
}

TEST(AudioStream, TheInputToneRunsOnAcrossBlocks) {
    // A 220 Hz tone of amplitude 0.1 moves by at most this from one sample to the next.
    const float largestStep = float(0.1 * 2 * std::numbers::pi * 220 / 44100) * 1.001f;
    const std::vector<int32_t> blockLists[] = {{512, 512, 512}, {300, 1, 512, 77, 512}};
    for (const std::vector<int32_t>& blocks : blockLists) {
        TestEffect effect(std::make_shared<TestClock>(), 0);
        AudioStream stream(effect, 44100, 512, AudioInput::tone, 0);
        std::vector<float> left(512), right(512);
        for (int32_t frames : blocks) stream.render(left.data(), right.data(), frames);
        for (const std::vector<float>& channel : effect.input) {
            float peak = 0;
            for (size_t i = 1; i < channel.size(); ++i) {
                peak = std::max(peak, std::abs(channel[i]));
                ASSERT_LE(std::abs(channel[i] - channel[i - 1]), largestStep)
                    << "frame " << i << " of " << blocks.size() << " blocks";
            }
            EXPECT_NEAR(peak, 0.1f, 0.001f);
        }
    }
}
}  // namespace
