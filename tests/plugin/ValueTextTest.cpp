// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "plugin/GamePlugin.h"

namespace {
std::string floatText(PluginEffect& effect, float value) {
    char text[32] = {};
    effect.floatToText(value, text);
    return text;
}
}  // namespace

TEST(ValueText, NumbersFillEightCharacters) {
    GamePlugin effect(nullptr);
    EXPECT_EQ(floatText(effect, 0.0f), "0.000000");
    EXPECT_EQ(floatText(effect, 1.5f), "1.500000");
    EXPECT_EQ(floatText(effect, -2.25f), "-2.25000");
    EXPECT_EQ(floatText(effect, 1234.5f), "1234.500");
    EXPECT_EQ(floatText(effect, 0.125f), "0.125000");
    EXPECT_EQ(floatText(effect, 1e9f), " Huge!  ");
    EXPECT_EQ(floatText(effect, -1e7f), " Huge!  ");
    char text[32];
    effect.intToText(42, text);
    EXPECT_STREQ(text, "     42");
    effect.intToText(100000000, text);
    EXPECT_STREQ(text, " Huge!  ");
    effect.dbToText(0.0f, text);
    EXPECT_STREQ(text, "  -oo   ");
    effect.dbToText(1.0f, text);
    EXPECT_STREQ(text, "0.000000");
    effect.hzToText(0.0f, text);
    EXPECT_STREQ(text, "0.000000");
    effect.hzToText(441.0f, text);
    EXPECT_STREQ(text, "100.0000");
    effect.msToText(44100.0f, text);
    EXPECT_STREQ(text, "1000.000");
}
