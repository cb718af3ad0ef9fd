// SPDX-License-Identifier: MIT
// The module's bitmap resources load by id with their size and pictures, read
// back through a memory device context as the toolkit draws them.

#include <gtest/gtest.h>

#include "gui/ModuleInstance.h"
#include "gui/platform/platform.h"

using namespace platform;

namespace {
struct Picture {
    int32_t id, width, height;
    bool sprite;  // drawn with white left out, so its corners are white
};

const Picture pictures[] = {
    {128, 302, 214, false}, {129, 15, 23, true},    {130, 64, 64, true},   {131, 64, 64, true},
    {132, 64, 64, true},    {133, 64, 64, true},    {134, 128, 128, false}, {135, 128, 128, false},
    {136, 128, 128, false}, {137, 128, 128, false}, {138, 128, 128, false}, {139, 128, 128, false},
    {140, 128, 128, false}, {141, 128, 128, false}, {256, 15, 23, true},   {257, 15, 23, true},
    {258, 15, 23, true},    {259, 15, 23, true},    {260, 15, 23, true},   {261, 15, 23, true},
    {262, 15, 23, true},    {512, 16, 16, true},    {600, 220, 100, false}, {601, 140, 32, true},
};
constexpr ColorRef white = rgb(255, 255, 255);

int red(ColorRef c) { return int(c & 0xFF); }
int green(ColorRef c) { return int(c >> 8 & 0xFF); }
int blue(ColorRef c) { return int(c >> 16 & 0xFF); }
int brightness(ColorRef c) { return (red(c) + green(c) + blue(c)) / 3; }

class Resources : public testing::Test {
protected:
    void SetUp() override {
        screen = getDc(nullptr);
        memoryDc = createCompatibleDc(screen);
    }
    void TearDown() override {
        deleteDc(memoryDc);
        releaseDc(nullptr, screen);
    }

    Dc screen = nullptr;
    Dc memoryDc = nullptr;
};
}  // namespace

TEST_F(Resources, EveryIdLoadsItsOwnPictureAtItsSize) {
    ASSERT_NE(moduleInstance, nullptr);
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.id);
        Object bitmap = loadBitmapResource(moduleInstance, picture.id);
        ASSERT_NE(bitmap, nullptr);
        int32_t width = 0, height = 0;
        EXPECT_TRUE(bitmapSize(bitmap, width, height));
        EXPECT_EQ(width, picture.width);
        EXPECT_EQ(height, picture.height);

        Object previous = selectObject(memoryDc, bitmap);
        int32_t right = picture.width - 1, bottom = picture.height - 1;
        bool whiteCorners = true, anyWhiteCorner = false;
        for (ColorRef corner : {getPixel(memoryDc, 0, 0), getPixel(memoryDc, right, 0),
                                getPixel(memoryDc, 0, bottom), getPixel(memoryDc, right, bottom)}) {
            whiteCorners = whiteCorners && corner == white;
            anyWhiteCorner = anyWhiteCorner || corner == white;
        }
        // Sprites sit on white; the others cover every pixel.
        EXPECT_EQ(picture.sprite ? whiteCorners : !anyWhiteCorner, true);
        selectObject(memoryDc, previous);
        deleteObject(bitmap);
    }
}

// A few places of the window's picture, read the right way up: the START
// lamp is yellow, the screen behind the game dark, the displays light.
TEST_F(Resources, BackgroundHasItsLampScreenAndDisplaysInPlace) {
    Object bitmap = loadBitmapResource(moduleInstance, 128);
    ASSERT_NE(bitmap, nullptr);
    Object previous = selectObject(memoryDc, bitmap);
    ColorRef lamp = getPixel(memoryDc, 31, 94);
    EXPECT_GT(red(lamp), 180);
    EXPECT_GT(green(lamp), 140);
    EXPECT_LT(blue(lamp), 120);
    EXPECT_LT(brightness(getPixel(memoryDc, 150, 100)), 60);
    EXPECT_GT(brightness(getPixel(memoryDc, 271, 74)), 150);
    EXPECT_GT(brightness(getPixel(memoryDc, 271, 116)), 150);
    EXPECT_NE(getPixel(memoryDc, 31, 214 - 1 - 94), lamp);  // rows are not upside down
    selectObject(memoryDc, previous);
    deleteObject(bitmap);
}

TEST_F(Resources, UnknownIdGivesNoBitmap) {
    EXPECT_EQ(loadBitmapResource(moduleInstance, 999), nullptr);
    EXPECT_EQ(loadBitmapResource(moduleInstance, 0x7FFF), nullptr);
}
