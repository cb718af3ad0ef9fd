// SPDX-License-Identifier: MIT
// Pixels drawn through a DrawContext, read back from a memory canvas.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Canvas.h"
#include "tests/support/PlatformText.h"

TEST(DrawContext, OutlineAndInnerFillTileTheRectangle) {
    Canvas canvas(20, 10);
    auto context = canvas.context();
    context->setPenColor(kRed);
    context->outlineRect(Rect(0, 0, 10, 5));
    for (int x = 0; x <= 10; ++x) {
        EXPECT_EQ(canvas.pixel(x, 0), colorref::red) << x;
        EXPECT_EQ(canvas.pixel(x, 5), colorref::red) << x;
    }
    for (int y = 0; y <= 5; ++y) {
        EXPECT_EQ(canvas.pixel(0, y), colorref::red) << y;
        EXPECT_EQ(canvas.pixel(10, y), colorref::red) << y;
    }
    EXPECT_EQ(canvas.countOther(1, 1, 10, 5, colorref::black), 0);  // inside untouched
    EXPECT_EQ(canvas.pixel(11, 0), colorref::black);
    EXPECT_EQ(canvas.pixel(0, 6), colorref::black);

    context->setBrushColor(kBlue);
    context->fillRectInner(Rect(0, 0, 10, 5));
    EXPECT_EQ(canvas.countOther(1, 1, 10, 5, colorref::blue), 0);
    EXPECT_EQ(canvas.pixel(10, 3), colorref::red);  // right column stays the outline's
    EXPECT_EQ(canvas.pixel(4, 5), colorref::red);
    EXPECT_EQ(canvas.pixel(0, 2), colorref::red);
}

TEST(DrawContext, LinesLeaveOutTheirEndPixel) {
    Canvas canvas(20, 20);
    auto context = canvas.context();
    context->setPenColor(kWhite);
    context->penMoveTo({2, 3});
    context->penLineTo({12, 3});
    EXPECT_EQ(canvas.countOther(2, 3, 12, 4, colorref::white), 0);
    EXPECT_EQ(canvas.pixel(12, 3), colorref::black);
    context->penLineTo({12, 10});  // continues from the pen position
    EXPECT_EQ(canvas.countOther(12, 3, 13, 10, colorref::white), 0);
    EXPECT_EQ(canvas.pixel(12, 10), colorref::black);
}

TEST(DrawContext, PenStyleWidthAndPixelsAreIndependent) {
    Canvas canvas(40, 10);
    auto context = canvas.context();
    context->setPenStyle(1);
    context->setPenColor(kRed);  // rebuilding the pen keeps it dotted
    context->penMoveTo({0, 2});
    context->penLineTo({30, 2});
    int gaps = 30 - (30 - canvas.countOther(0, 2, 30, 3, colorref::red));
    EXPECT_GT(gaps, 5);
    EXPECT_LT(gaps, 25);

    context->plotPixel({5, 7}, kGreen);
    EXPECT_EQ(canvas.pixel(5, 7), colorref::green);
    EXPECT_TRUE(context->penColor().sameRgb(kRed));  // the pen is not used or changed

    context->setPenStyle(0);
    context->setPenWidth(1);
    context->penMoveTo({0, 5});
    context->penLineTo({30, 5});
    EXPECT_EQ(canvas.countOther(0, 5, 30, 6, colorref::red), 0);
}

TEST(DrawContext, FontTableFallsBackToTheFirstFont) {
    Canvas canvas(10, 10);
    auto context = canvas.context();
    context->selectFont(9, 0);
    EXPECT_EQ(context->fontSize(), 12);
    context->selectFont(-1, 0);
    EXPECT_EQ(context->fontSize(), 12);
    context->selectFont(4, 20);
    EXPECT_EQ(context->fontSize(), 20);
    context->selectFont(5, 0);
    EXPECT_EQ(context->fontSize(), 9);
    context->selectFont(6, 0);
    EXPECT_EQ(context->fontSize(), 13);
}

TEST(DrawContext, TextLandsWhereThePlatformPutsItsAlignment) {
    constexpr Color kInk{255, 255, 0, 0}, kBehind{0, 0, 255, 0};
    const Rect rect(10, 0, 110, 20);
    struct {
        int32_t alignment;
        int32_t left;  // the box the platform is given
        uint32_t format;
    } const kAlignments[] = {{0, 11, platform::dtLeft},
                             {1, 10, platform::dtCenter},
                             {2, 10, platform::dtRight},
                             {7, 11, platform::dtLeft}};  // any other value is left
    for (const auto& expected : kAlignments)
        for (int16_t opaque : {0, 1}) {
            SCOPED_TRACE("alignment " + std::to_string(expected.alignment) + " opaque " +
                         std::to_string(opaque));
            Canvas mine(120, 20, kGrey.toColorRef()), reference(120, 20, kGrey.toColorRef());
            auto context = mine.context();
            context->selectFont(3, 0);
            context->setInkColor(kInk);
            context->setBrushColor(kBehind);
            context->printText("Skyrun 42", rect, opaque, expected.alignment);
            // Something was written.
            EXPECT_GT(mine.countOther(0, 0, 120, 20, kGrey.toColorRef()), 10);

            PlatformText text(reference.dc(), PlatformText::kArial12, kInk);
            if (opaque) text.behind(kBehind);
            text.draw("Skyrun 42", platform::Box{expected.left, rect.top, rect.right, rect.bottom},
                      platform::dtSingleLine | platform::dtVCenter | expected.format);
            expectSamePixels(mine, reference);
        }
}

TEST(DrawContext, CentredAndOpaqueText) {
    Canvas canvas(100, 20);
    auto context = canvas.context();
    context->selectFont(4, 0);
    context->setInkColor(kWhite);
    context->printText("0", Rect(0, 0, 100, 20), 0, 1);
    int left = 100, right = -1, top = 20, bottom = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.pixel(x, y) != colorref::black) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 50.0, 2.0);
    EXPECT_NEAR((top + bottom) / 2.0, 10.0, 2.0);

    context->setBrushColor(kBlue);  // also the background colour for opaque text
    context->printText("0", Rect(0, 0, 100, 20), 1, 1);
    int blue = 100 * 20 - canvas.countOther(0, 0, 100, 20, colorref::blue);
    EXPECT_GT(blue, 20);  // the character cell is filled behind the glyph
    EXPECT_EQ(canvas.pixel(2, 10), colorref::black);  // but not the rest of the rectangle
}
