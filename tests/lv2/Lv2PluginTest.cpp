// SPDX-License-Identifier: MIT
// The bundle binary's plug-in, driven through its descriptor as LV2 hosts
// drive it: audio passes through unchanged in every buffer arrangement a
// host may choose, and input a host must not give is refused cleanly.

#include <gtest/gtest.h>
#include <lv2/options/options.h>

#include <vector>

#include "tests/lv2/Lv2Binary.h"

namespace {
TEST(Lv2Plugin, DescriptorsNameThePluginAndItsUi) {
    const Lv2Binary& binary = bundleBinary();
    ASSERT_NE(binary.plugin, nullptr);
    ASSERT_NE(binary.ui, nullptr);
    EXPECT_STREQ(binary.plugin->URI, SKYRUN_LV2_URI);
    EXPECT_STREQ(binary.ui->URI, SKYRUN_LV2_URI "#ui");
    EXPECT_EQ(binary.plugin->extension_data(LV2_OPTIONS__interface), nullptr);
    EXPECT_NE(binary.ui->extension_data(LV2_UI__idleInterface), nullptr);
    EXPECT_EQ(binary.ui->extension_data(LV2_UI__showInterface), nullptr);
}

// Each arrangement: which buffer every port uses, among the two inputs'
// own buffers (0, 1) and two spare ones (2, 3).
struct Arrangement {
    const char* name;
    int in1, in2, out1, out2;
};

TEST(Lv2Plugin, PassesAudioThroughInEveryBufferArrangement) {
    const Arrangement arrangements[] = {
        {"separate buffers", 0, 1, 2, 3},
        {"each channel in place", 0, 1, 0, 1},
        {"channels crossed in place", 0, 1, 1, 0},
        {"input 1 shared with output 2", 0, 1, 2, 0},
        {"input 2 shared with output 1", 0, 1, 1, 3},
    };
    Lv2Instance instance;
    ASSERT_NE(instance.handle(), nullptr);
    for (uint32_t frames : {1u, 7u, 512u, 4096u}) {
        for (const Arrangement& a : arrangements) {
            std::vector<float> buffers[4] = {testSignal(frames, 0), testSignal(frames, 1),
                                             std::vector<float>(frames), std::vector<float>(frames)};
            instance.run(buffers[a.in1].data(), buffers[a.in2].data(), buffers[a.out1].data(),
                         buffers[a.out2].data(), frames);
            EXPECT_EQ(buffers[a.out1], testSignal(frames, 0)) << a.name << ", " << frames << " frames";
            EXPECT_EQ(buffers[a.out2], testSignal(frames, 1)) << a.name << ", " << frames << " frames";
        }
    }
}

TEST(Lv2Plugin, WritesNothingWhileAPortIsUnconnected) {
    Lv2Instance instance;
    ASSERT_NE(instance.handle(), nullptr);
    std::vector<float> in1 = testSignal(64, 0), in2 = testSignal(64, 1);
    std::vector<float> out1(64, 9.0f), out2(64, 9.0f);
    instance.run(in1.data(), nullptr, out1.data(), out2.data(), 64);
    instance.run(in1.data(), in2.data(), out1.data(), nullptr, 64);
    EXPECT_EQ(out1, std::vector<float>(64, 9.0f));
    EXPECT_EQ(out2, std::vector<float>(64, 9.0f));
    instance.run(in1.data(), in2.data(), out1.data(), out2.data(), 0);
    EXPECT_EQ(out1, std::vector<float>(64, 9.0f));
}

}  // namespace
