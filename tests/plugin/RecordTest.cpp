// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>

#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "plugin/PluginMain.h"
#include "tests/support/RecordingHost.h"

TEST(Record, FreshGamePluginReportsItsShape) {
    RecordingHost host;
    EffectRecord* record = pluginMain(RecordingHost::callback);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->magic, 0x56737450);
    EXPECT_EQ(record->numPrograms, 4);
    EXPECT_EQ(record->numParams, 0);
    EXPECT_EQ(record->numInputs, 2);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, 0x19);  // editor, can mono, can replace
    EXPECT_EQ(record->uniqueId, fourCharCode("Rv4m"));
    EXPECT_EQ(record->uniqueId, 0x5276346D);
    EXPECT_EQ(record->version, 1);
    EXPECT_EQ(record->ioRatio, 1.0f);
    EXPECT_EQ(record->reserved1, 0);
    EXPECT_EQ(record->reserved2, 0);
    EXPECT_EQ(record->initialDelay, 0);
    EXPECT_EQ(record->realtimeQualities, 0);
    EXPECT_EQ(record->offlineQualities, 0);
    EXPECT_EQ(record->user, nullptr);
    EXPECT_NE(record->dispatcher, nullptr);
    EXPECT_NE(record->process, nullptr);
    EXPECT_NE(record->processReplacing, nullptr);
    EXPECT_NE(record->setParameter, nullptr);
    EXPECT_NE(record->getParameter, nullptr);
    auto* effect = static_cast<GamePlugin*>(record->object);
    EXPECT_EQ(effect->getRecord(), record);
    char zeros[sizeof record->future] = {};
    EXPECT_EQ(std::memcmp(record->future, zeros, sizeof zeros), 0);
    EXPECT_EQ(record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f), 1);
}

TEST(Record, AdaptorsReachTheObject) {
    RecordingHost host;
    EffectRecord* record = pluginMain(RecordingHost::callback);
    ASSERT_NE(record, nullptr);
    record->setParameter(record, 3, 0.75f);
    EXPECT_EQ(record->getParameter(record, 3), 0.0f);
    float left[4] = {0.1f, 0.2f, 0.3f, 0.4f}, right[4] = {-1, -2, -3, -4};
    float outLeft[4] = {}, outRight[4] = {};
    float* in[2] = {left, right};
    float* out[2] = {outLeft, outRight};
    record->processReplacing(record, in, out, 4);
    EXPECT_EQ(std::memcmp(outLeft, left, sizeof left), 0);
    EXPECT_EQ(std::memcmp(outRight, right, sizeof right), 0);
    record->process(record, in, out, 4);
    EXPECT_EQ(outLeft[3], 0.8f);
    EXPECT_EQ(outRight[3], -8.0f);
    record->dispatcher(record, opClose, 0, 0, nullptr, 0.0f);
}
