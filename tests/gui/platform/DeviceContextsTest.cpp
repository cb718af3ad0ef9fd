// SPDX-License-Identifier: MIT
// Device contexts and objects: GDI's defaults, selection, and which kind of
// bitmap a compatible bitmap is.

#include <gtest/gtest.h>

#include "tests/support/Canvas.h"

namespace platformtest {
using namespace platform;
using namespace colorref;

namespace {

// A bitmap is monochrome when red drawn into it reads back black.
bool isMono(Object bitmap) {
    Dc dc = createCompatibleDc(nullptr);
    Object previous = selectObject(dc, bitmap);
    setPixel(dc, 0, 0, red);
    bool mono = getPixel(dc, 0, 0) == black;
    selectObject(dc, previous);
    deleteDc(dc);
    return mono;
}

TEST(PlatformDc, NewMemoryDcHasGdiDefaults) {
    Dc dc = createCompatibleDc(nullptr);
    EXPECT_EQ(getBkColor(dc), white);
    EXPECT_EQ(setTextColor(dc, red), black);
    EXPECT_EQ(setBkMode(dc, bkTransparent), bkOpaque);
    EXPECT_EQ(getMapMode(dc), 1);

    // A 1 by 1 monochrome bitmap starts selected.
    Object initial = currentObject(dc, ObjectKind::bitmap);
    int32_t width = 0, height = 0;
    ASSERT_TRUE(bitmapSize(initial, width, height));
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 1);
    setPixel(dc, 0, 0, red);
    EXPECT_EQ(getPixel(dc, 0, 0), black);

    // The default pen draws black one-pixel lines; the default brush is white.
    Dc screen = getDc(nullptr);
    Object canvas = createCompatibleBitmap(screen, 4, 4);
    releaseDc(nullptr, screen);
    selectObject(dc, canvas);
    Object greenBrush = createSolidBrush(green);
    fillRect(dc, Box{0, 0, 4, 4}, greenBrush);
    Pt triangle[3] = {{0, 0}, {3, 0}, {0, 3}};
    polygon(dc, triangle, 3);
    EXPECT_EQ(getPixel(dc, 0, 0), black);  // outline
    EXPECT_EQ(getPixel(dc, 1, 1), white);  // fill
    selectObject(dc, initial);
    deleteObject(canvas);
    deleteObject(greenBrush);
    deleteDc(dc);
}

TEST(PlatformDc, SelectReturnsThePreviousObject) {
    Canvas canvas(4, 4, white);
    Object pen = createPen(penSolid, 1, red);
    Object brush = createSolidBrush(blue);
    Object font = createFont(FontSpec{-12, 400, 0x22, "Arial"});
    Object firstPen = selectObject(canvas.dc(), pen);
    Object firstBrush = selectObject(canvas.dc(), brush);
    Object firstFont = selectObject(canvas.dc(), font);
    EXPECT_NE(firstPen, nullptr);
    EXPECT_NE(firstBrush, nullptr);
    EXPECT_NE(firstFont, nullptr);
    EXPECT_EQ(currentObject(canvas.dc(), ObjectKind::pen), pen);
    EXPECT_EQ(currentObject(canvas.dc(), ObjectKind::brush), brush);
    EXPECT_EQ(currentObject(canvas.dc(), ObjectKind::font), font);
    EXPECT_EQ(currentObject(canvas.dc(), ObjectKind::bitmap), canvas.bitmap());

    EXPECT_EQ(selectObject(canvas.dc(), nullPen()), pen);
    EXPECT_EQ(selectObject(canvas.dc(), firstPen), nullPen());
    EXPECT_EQ(selectObject(canvas.dc(), firstBrush), brush);
    EXPECT_EQ(selectObject(canvas.dc(), firstFont), font);
    EXPECT_EQ(setBkColor(canvas.dc(), green), white);
    EXPECT_EQ(getBkColor(canvas.dc()), green);
    EXPECT_TRUE(deleteObject(pen));
    EXPECT_TRUE(deleteObject(brush));
    EXPECT_TRUE(deleteObject(font));
}

TEST(PlatformDc, CompatibleBitmapsFollowTheSelectedBitmap) {
    Dc screen = getDc(nullptr);
    Object fromScreen = createCompatibleBitmap(screen, 3, 3);
    EXPECT_FALSE(isMono(fromScreen));

    Dc memory = createCompatibleDc(screen);
    Object fromMonoDc = createCompatibleBitmap(memory, 3, 3);  // the initial bitmap is mono
    EXPECT_TRUE(isMono(fromMonoDc));
    Object previous = selectObject(memory, fromScreen);
    Object fromColourDc = createCompatibleBitmap(memory, 3, 3);
    EXPECT_FALSE(isMono(fromColourDc));
    Object mono = createMonochromeBitmap(5, 2);
    EXPECT_TRUE(isMono(mono));
    int32_t width = 0, height = 0;
    EXPECT_TRUE(bitmapSize(mono, width, height));
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 2);

    // One bitmap sits in one device context at a time.
    Dc other = createCompatibleDc(screen);
    EXPECT_EQ(selectObject(other, fromScreen), nullptr);

    selectObject(memory, previous);
    for (Object bitmap : {fromScreen, fromMonoDc, fromColourDc, mono}) deleteObject(bitmap);
    deleteDc(other);
    deleteDc(memory);
    releaseDc(nullptr, screen);
}

TEST(PlatformDc, PixelsSetAndReadBack) {
    Canvas canvas(6, 4, white);
    setPixel(canvas.dc(), 2, 1, rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(2, 1), rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(1, 1), white);
    setPixel(canvas.dc(), -1, 0, red);  // outside: nothing happens
    setPixel(canvas.dc(), 6, 0, red);
    EXPECT_EQ(canvas.count(red), 0);
    EXPECT_EQ(canvas.pixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.pixel(6, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.pixel(0, 4), 0xFFFFFFFFu);

    // Monochrome pixels take the nearer of black and white.
    Canvas mono(3, 1, black, Canvas::Depth::mono);
    setPixel(mono.dc(), 0, 0, rgb(200, 200, 200));
    setPixel(mono.dc(), 1, 0, red);
    setPixel(mono.dc(), 2, 0, white);
    EXPECT_EQ(mono.row(0), ".#.");

    Pt points[2] = {{3, 7}, {-4, 9}};
    dpToLp(canvas.dc(), points, 2);  // MM_TEXT: device and logical units agree
    EXPECT_EQ(points[0].x, 3);
    EXPECT_EQ(points[1].y, 9);
}

TEST(PlatformDc, FillRectCoversLeftAndTopOnly) {
    Canvas canvas(8, 6, white);
    Object brush = createSolidBrush(red);
    fillRect(canvas.dc(), Box{2, 1, 6, 4}, brush);
    fillRect(canvas.dc(), Box{6, 4, 12, 9}, brush);  // clipped at the edges
    deleteObject(brush);
    EXPECT_EQ(canvas.picture(),
              "........\n"
              "..RRRR..\n"
              "..RRRR..\n"
              "..RRRR..\n"
              "......RR\n"
              "......RR\n");

    // A monochrome picture takes a brush as white only when it is pure white;
    // any other colour is dithered in a pattern fixed to the device pixels,
    // with as many white pixels in 64 as the colour's intensity.
    Canvas mono(8, 8, black, Canvas::Depth::mono);
    auto fillFrom = [&](int32_t left, int32_t top, ColorRef color) {
        mono.fill(black);
        Object brush = createSolidBrush(color);
        fillRect(mono.dc(), Box{left, top, 8, 8}, brush);
        deleteObject(brush);
    };
    fillFrom(0, 0, white);
    EXPECT_EQ(mono.count(white), 64);
    fillFrom(0, 0, rgb(254, 254, 254));  // within the last step of intensity
    EXPECT_EQ(mono.count(white), 64);
    fillFrom(0, 0, rgb(192, 192, 192));
    EXPECT_EQ(mono.count(white), 48);
    EXPECT_EQ(mono.row(0), "#.#.#.#.");
    EXPECT_EQ(mono.row(1), "........");
    fillFrom(0, 0, red);
    EXPECT_EQ(mono.count(white), 19);
    EXPECT_EQ(mono.row(0), "########");
    EXPECT_EQ(mono.row(1), ".#.#.#.#");
    fillFrom(0, 0, rgb(1, 1, 1));
    EXPECT_EQ(mono.count(white), 0);
    fillFrom(3, 2, rgb(128, 128, 128));  // the pattern stays put when the box moves
    EXPECT_EQ(mono.row(1), "########");
    EXPECT_EQ(mono.row(2), "###.#.#.");
    EXPECT_EQ(mono.row(3), "####.#.#");
}

}  // namespace
}  // namespace platformtest
