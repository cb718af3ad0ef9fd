// The module's bitmap resources load by id with their size and pictures, read
// back through a memory device context as the toolkit draws them.

#include <gtest/gtest.h>

#include "gui/platform/platform.h"
#include "plugin/ModuleState.h"

using namespace platform;

namespace {
struct Picture {
    int32_t id, width, height;
    bool sprite;  // drawn with white left out, so it has a white border
    ColorRef color;
};

// The stand-in pictures' own colours (tools/make_standin_bitmaps.py).
const Picture pictures[] = {
    {128, 302, 214, false, rgb(112, 112, 120)}, {129, 15, 23, true, rgb(200, 40, 40)},
    {130, 64, 64, true, rgb(150, 170, 200)},    {131, 64, 64, true, rgb(130, 150, 190)},
    {132, 64, 64, true, rgb(170, 150, 200)},    {133, 64, 64, true, rgb(150, 190, 190)},
    {134, 128, 128, false, rgb(60, 140, 50)},   {135, 128, 128, false, rgb(30, 100, 40)},
    {136, 128, 128, false, rgb(150, 140, 60)},  {137, 128, 128, false, rgb(90, 160, 70)},
    {138, 128, 128, false, rgb(120, 110, 100)}, {139, 128, 128, false, rgb(160, 90, 60)},
    {140, 128, 128, false, rgb(50, 90, 160)},   {141, 128, 128, false, rgb(100, 130, 40)},
    {256, 15, 23, true, rgb(220, 120, 30)},     {257, 15, 23, true, rgb(200, 200, 40)},
    {258, 15, 23, true, rgb(40, 180, 90)},      {259, 15, 23, true, rgb(40, 160, 200)},
    {260, 15, 23, true, rgb(70, 70, 210)},      {261, 15, 23, true, rgb(150, 60, 200)},
    {262, 15, 23, true, rgb(210, 60, 150)},     {512, 16, 16, true, rgb(0, 128, 128)},
    {600, 220, 100, false, rgb(170, 170, 170)}, {601, 140, 32, true, rgb(100, 100, 100)},
};
constexpr ColorRef white = rgb(255, 255, 255);
constexpr ColorRef black = rgb(0, 0, 0);

class Resources : public testing::Test {
protected:
    void SetUp() override {
        saved = moduleInstance;
        moduleInstance = currentModuleInstance();
        screen = getDc(nullptr);
        memoryDc = createCompatibleDc(screen);
    }
    void TearDown() override {
        deleteDc(memoryDc);
        releaseDc(nullptr, screen);
        moduleInstance = saved;
    }

    void* saved = nullptr;
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
        int32_t margin = picture.sprite ? 1 : 0;
        // Sprites sit on white; the others cover every pixel.
        EXPECT_EQ(getPixel(memoryDc, 0, 0), picture.sprite ? white : black);
        EXPECT_EQ(getPixel(memoryDc, right, bottom), picture.sprite ? white : picture.color);
        // A black top row and the picture's colour at the bottom: rows are
        // not upside down.
        EXPECT_EQ(getPixel(memoryDc, picture.width / 2, margin), black);
        EXPECT_EQ(getPixel(memoryDc, picture.width / 2, bottom - margin), picture.color);
        EXPECT_EQ(getPixel(memoryDc, right - margin, bottom - margin), picture.color);
        selectObject(memoryDc, previous);
        deleteObject(bitmap);
    }
}

TEST_F(Resources, UnknownIdGivesNoBitmap) {
    EXPECT_EQ(loadBitmapResource(moduleInstance, 999), nullptr);
    EXPECT_EQ(loadBitmapResource(moduleInstance, 0x7FFF), nullptr);
}
