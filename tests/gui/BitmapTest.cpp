// SPDX-License-Identifier: MIT
// Transparent copies of a module picture: white is left out, the context's
// colours and the picture itself stay as they were, copies allocate nothing
// once warm, and a source offset shows the picture under the image shifted
// by that offset.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gui/Bitmap.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/Canvas.h"

namespace {
constexpr int32_t kEnemyId = 512;  // 16 by 16, white around the craft

std::vector<platform::ColorRef> opaquePixels(Bitmap* bitmap) {
    Canvas scratch(bitmap->pixelWidth(), bitmap->pixelHeight());
    bitmap->blit(scratch.context().get(), Rect(0, 0, bitmap->pixelWidth(), bitmap->pixelHeight()),
                 Point(0, 0));
    std::vector<platform::ColorRef> pixels;
    for (int32_t y = 0; y < scratch.height(); ++y)
        for (int32_t x = 0; x < scratch.width(); ++x) pixels.push_back(scratch.pixel(x, y));
    return pixels;
}

// A different colour at every pixel, so that a shifted read shows.
platform::ColorRef backgroundAt(int32_t x, int32_t y) {
    return platform::rgb(uint8_t(x * 8), uint8_t(y * 8), 0x40);
}

void paintBackground(Canvas& canvas) {
    for (int32_t y = 0; y < canvas.height(); ++y)
        for (int32_t x = 0; x < canvas.width(); ++x)
            platform::setPixel(canvas.dc(), x, y, backgroundAt(x, y));
}
}  // namespace

TEST(BitmapTransparent, WhiteIsLeftOutNothingElseChangesAndNothingIsAllocated) {
    Bitmap* enemy = new Bitmap(kEnemyId);
    ASSERT_TRUE(enemy->hasImage());
    const std::vector<platform::ColorRef> sprite = opaquePixels(enemy);
    const int32_t size = enemy->pixelWidth();
    ASSERT_GT(std::count(sprite.begin(), sprite.end(), colorref::white), 0);

    Canvas canvas(24, 24);
    paintBackground(canvas);
    auto context = canvas.context();
    const platform::ColorRef text = platform::rgb(1, 2, 3), background = platform::rgb(4, 5, 6);
    platform::setTextColor(canvas.dc(), text);
    platform::setBkColor(canvas.dc(), background);
    // Twice: the first copy must leave the picture as it found it.
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        enemy->blitTransparent(context.get(), Rect(3, 2, 3 + size, 2 + size), Point(0, 0));
        for (int32_t y = 0; y < canvas.height(); ++y)
            for (int32_t x = 0; x < canvas.width(); ++x) {
                int32_t sx = x - 3, sy = y - 2;
                bool inside = sx >= 0 && sy >= 0 && sx < size && sy < size;
                platform::ColorRef own = inside ? sprite[size_t(sy * size + sx)] : colorref::white;
                ASSERT_EQ(canvas.pixel(x, y), own != colorref::white ? own : backgroundAt(x, y))
                    << x << "," << y;
            }
        // The context's own colours are back.
        EXPECT_EQ(platform::setTextColor(canvas.dc(), text), text);
        EXPECT_EQ(platform::setBkColor(canvas.dc(), background), background);
    }
    EXPECT_EQ(opaquePixels(enemy), sprite);

    long before = allocationCount();
    for (int i = 0; i < 10; ++i)
        enemy->blitTransparent(context.get(), Rect(3, 2, 3 + size, 2 + size), Point(0, 0));
    EXPECT_EQ(allocationCount() - before, 0);
    enemy->release();
}

// The picture under the image is read at the rectangle's corner plus the
// offset and shown from the image's offset on, at that same place; only the
// rectangle's size is drawn.
TEST(BitmapTransparent, ASourceOffsetShiftsWhatShowsThrough) {
    Bitmap* enemy = new Bitmap(kEnemyId);
    ASSERT_TRUE(enemy->hasImage());
    const std::vector<platform::ColorRef> sprite = opaquePixels(enemy);
    const int32_t size = enemy->pixelWidth();

    Canvas canvas(32, 32);
    paintBackground(canvas);
    auto context = canvas.context();
    const Point offset(2, 1);
    enemy->blitTransparent(context.get(), Rect(4, 4, 14, 14), offset);
    const int32_t left = 4 + offset.h, top = 4 + offset.v;
    for (int32_t y = 0; y < canvas.height(); ++y)
        for (int32_t x = 0; x < canvas.width(); ++x) {
            int32_t i = x - left, j = y - top;
            platform::ColorRef expected = backgroundAt(x, y);
            if (i >= 0 && j >= 0 && i < 10 && j < 10) {
                platform::ColorRef own = sprite[size_t((j + offset.v) * size + i + offset.h)];
                expected = own != colorref::white ? own : backgroundAt(x + offset.h, y + offset.v);
            }
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
    enemy->release();
}
