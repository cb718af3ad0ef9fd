// SPDX-License-Identifier: MIT
// The bundle binary's plug-in, driven through its descriptor as LV2 hosts
// drive it: audio passes through unchanged in every buffer arrangement a
// host may choose, and input a host must not give is refused cleanly.

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/options/options.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/lv2/Lv2Binary.h"
#include "tests/lv2/TestUridMap.h"

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

TEST(Lv2Plugin, RefusesSampleRatesThatAreNotPositive) {
    for (double rate : {0.0, -44100.0, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        Lv2Instance instance(rate);
        EXPECT_EQ(instance.handle(), nullptr) << "rate " << rate;
    }
    for (double rate : {8000.0, 44100.0, 384000.0}) {
        Lv2Instance instance(rate);
        EXPECT_NE(instance.handle(), nullptr) << "rate " << rate;
    }
}

// The block size options a host may pass, sound or not: every one gives an
// instance that runs.
TEST(Lv2Plugin, RunsWithAnyBlockSizeOptions) {
    TestUridMap urid;
    const int32_t nominal = 256, negative = -1;
    const LV2_URID intType = urid(LV2_ATOM__Int), floatType = urid(LV2_ATOM__Float);
    const LV2_URID nominalKey = urid(LV2_BUF_SIZE__nominalBlockLength);
    const LV2_URID largestKey = urid(LV2_BUF_SIZE__maxBlockLength);
    const LV2_Options_Option end{LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr};
    const std::vector<std::vector<LV2_Options_Option>> optionLists = {
        {{LV2_OPTIONS_INSTANCE, 0, nominalKey, sizeof nominal, intType, &nominal}, end},
        {{LV2_OPTIONS_INSTANCE, 0, largestKey, sizeof nominal, intType, &nominal}, end},
        {{LV2_OPTIONS_INSTANCE, 0, nominalKey, sizeof nominal, floatType, &nominal}, end},
        {{LV2_OPTIONS_INSTANCE, 0, nominalKey, sizeof nominal, intType, nullptr}, end},
        {{LV2_OPTIONS_INSTANCE, 0, nominalKey, sizeof negative, intType, &negative}, end},
        {end},
    };
    for (size_t i = 0; i < optionLists.size(); ++i) {
        LV2_Feature options{LV2_OPTIONS__options, const_cast<LV2_Options_Option*>(optionLists[i].data())};
        LV2_Feature map{LV2_URID__map, &urid.map};
        const LV2_Feature* withMap[] = {&options, &map, nullptr};
        const LV2_Feature* withoutMap[] = {&options, nullptr};
        for (const LV2_Feature* const* features : {withMap, withoutMap}) {
            Lv2Instance instance(48000.0, features);
            ASSERT_NE(instance.handle(), nullptr) << "option list " << i;
            std::vector<float> in1 = testSignal(300, 0), in2 = testSignal(300, 1);
            instance.run(in1.data(), in2.data(), in1.data(), in2.data(), 300);
            EXPECT_EQ(in1, testSignal(300, 0)) << "option list " << i;
        }
    }
}
}  // namespace
