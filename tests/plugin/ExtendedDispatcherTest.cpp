// SPDX-License-Identifier: MIT
// The opcodes 25 to 58 as a host sees them on the game's effect.

#include <gtest/gtest.h>

#include <cstring>

#include "interface/Opcodes.h"
#include "plugin/GamePlugin.h"
#include "tests/support/RecordingHost.h"

namespace {
class GameEffectFixture : public testing::Test {
protected:
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f) {
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }
    std::string text(int32_t opcode, int32_t index = 0, intptr_t value = 0) {
        char buffer[128];
        std::memset(buffer, 'x', sizeof buffer);
        buffer[127] = 0;
        dispatch(opcode, index, value, buffer);
        return buffer;
    }

    RecordingHost host;
    GamePlugin effect{RecordingHost::callback};
    EffectRecord* record = effect.getRecord();
};
}  // namespace

TEST_F(GameEffectFixture, AnswersOfTheTables) {
    char scratch[256] = {};
    for (int32_t opcode : {0, 4, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20, 21, 23, 24, 25,
                           27, 35, 36, 37, 38, 39, 40, 41, 42, 44, 46, 50, 51, 52, 53, 54, 55, 56})
        EXPECT_EQ(dispatch(opcode, 0, 0, scratch), 0) << "opcode " << opcode;
    for (int32_t opcode : {26, 28, 31, 32, 43, 45, 47, 48, 49, 57})
        EXPECT_EQ(dispatch(opcode, 0, 0, scratch), 1) << "opcode " << opcode;
    EXPECT_EQ(dispatch(opInterfaceVersion), 2);
    EXPECT_EQ(dispatch(opSignature), 0x4E764566);
    EXPECT_EQ(dispatch(opNeedsKeys), 1);  // needsKeys is false: the answer is inverted
    EXPECT_EQ(dispatch(59), 0);
    EXPECT_EQ(dispatch(200), 0);
}

TEST_F(GameEffectFixture, NamesOfTheEffect) {
    EXPECT_EQ(text(opGetEffectName), "Kestrigo");
    EXPECT_EQ(text(opGetVendorString), "Orvane");
    EXPECT_EQ(text(opGetProductString), "Tolvaro");
    EXPECT_EQ(dispatch(opGetVendorVersion), 1);
    EXPECT_EQ(text(opGetErrorText), std::string(127, 'x'));  // not handled: untouched
}

TEST_F(GameEffectFixture, CanDoAnswersZeroToEveryText) {
    char known[] = "receiveTimeInfo";
    char other[] = "anything else";
    EXPECT_EQ(dispatch(opCanDo, 0, 0, known), 0);
    EXPECT_EQ(dispatch(opCanDo, 0, 0, other), 0);
}

TEST_F(GameEffectFixture, PinsAreAStereoPairEachWay) {
    for (int32_t opcode : {opInputProperties, opOutputProperties}) {
        for (int32_t index : {0, 1}) {
            unsigned char pin[128];
            std::memset(pin, 0xAB, sizeof pin);
            EXPECT_EQ(dispatch(opcode, index, 0, pin), 1);
            std::string expected = std::string("My ") + char('1' + index) +
                                   (opcode == opInputProperties ? " In" : " Out");
            EXPECT_STREQ(reinterpret_cast<char*>(pin), expected.c_str());
            int32_t flags;
            std::memcpy(&flags, pin + 64, 4);
            EXPECT_EQ(flags, 3);
            EXPECT_EQ(pin[68], 0xAB);  // nothing past the flag word
        }
        unsigned char pin[128];
        std::memset(pin, 0xAB, sizeof pin);
        EXPECT_EQ(dispatch(opcode, 2, 0, pin), 0);
        EXPECT_EQ(dispatch(opcode, -1, 0, pin), 0);
        EXPECT_EQ(pin[0], 0xAB);
    }
}

TEST_F(GameEffectFixture, NullPointersGetZeroAndNoWrite) {
    for (int32_t opcode : {opTextToParam, opProgramNameAt, opInputProperties, opOutputProperties,
                           opGetEffectName, opGetErrorText, opGetVendorString, opGetProductString,
                           opCanDo, opParamProperties, opGetProgramName, opSetProgramName})
        EXPECT_EQ(dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
}

TEST_F(GameEffectFixture, BlockAndRateAreStoredTogether) {
    EXPECT_EQ(dispatch(opSetBlockAndRate, 0, 256, nullptr, 48000.0f), 1);
    EXPECT_EQ(effect.getBlockSize(), 256);
    EXPECT_EQ(effect.getSampleRate(), 48000.0f);
}

TEST_F(GameEffectFixture, CategoryFollowsTheSynthFlag) {
    EXPECT_EQ(dispatch(opPluginCategory), 0);
    effect.setIsSynth(true);
    EXPECT_EQ(record->flags & 0x100, 0x100);
    EXPECT_EQ(dispatch(opPluginCategory), 2);
}
