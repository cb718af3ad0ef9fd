// SPDX-License-Identifier: MIT
// BitBlt: each raster operation, GDI's colour and monochrome conversions,
// clipping, and the mask steps the toolkit builds transparent copies from.

#include <gtest/gtest.h>

#include "tests/support/AllocationCounter.h"
#include "tests/support/Canvas.h"

namespace platformtest {
using namespace platform;
using namespace colorref;

namespace {

constexpr uint32_t rops[] = {ropSrcCopy, ropNotSrcCopy, ropSrcAnd, ropSrcPaint};

// A monochrome row as bits: 1 reads back white, 0 black.
std::string bits(const Canvas& mono, int32_t y) {
    std::string row = mono.row(y);
    for (char& c : row) c = c == '.' ? '1' : '0';
    return row;
}

TEST(PlatformBlit, ColourToColourAppliesEachOperationBitwise) {
    const ColorRef expected[] = {rgb(0x0F, 0xF0, 0x33), rgb(0xF0, 0x0F, 0xCC),
                                 rgb(0x05, 0x50, 0x22), rgb(0x5F, 0xF5, 0xBB)};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Canvas source(1, 1, rgb(0x0F, 0xF0, 0x33));
        Canvas dest(1, 1, rgb(0x55, 0x55, 0xAA));
        EXPECT_TRUE(bitBlt(dest.dc(), 0, 0, 1, 1, source.dc(), 0, 0, rops[i]));
        EXPECT_EQ(dest.pixel(0, 0), expected[i]);
    }
}

TEST(PlatformBlit, ColourToMonoMarksTheSourceBackgroundColour) {
    // Source red, green, blue, white with a green background; the destination's
    // own colours play no part.
    const char* expected[] = {"0100", "1011", "0000", "0100"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Canvas source(4, 1, white);
        setPixel(source.dc(), 0, 0, red);
        setPixel(source.dc(), 1, 0, green);
        setPixel(source.dc(), 2, 0, blue);
        setBkColor(source.dc(), green);
        setTextColor(source.dc(), red);
        Canvas dest(4, 2, black, Canvas::Depth::mono);
        setBkColor(dest.dc(), red);
        setTextColor(dest.dc(), blue);
        bitBlt(dest.dc(), 0, 0, 4, 2, source.dc(), 0, 0, rops[i]);
        EXPECT_EQ(bits(dest, 0), expected[i]);
        EXPECT_EQ(bits(dest, 1), "0000");  // outside the source: untouched
    }
}

TEST(PlatformBlit, MonoToColourDrawsZeroInTextColourAndOneInBackground) {
    const ColorRef start[2] = {green, rgb(0x30, 0xFF, 0x0F)};
    const ColorRef expected[4][2] = {{red, blue},
                                     {rgb(0, 255, 255), rgb(255, 255, 0)},
                                     {black, rgb(0, 0, 0x0F)},
                                     {rgb(255, 255, 0), rgb(0x30, 0xFF, 0xFF)}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Canvas source(2, 1, black, Canvas::Depth::mono);
        setPixel(source.dc(), 1, 0, white);
        setTextColor(source.dc(), green);  // the source's colours play no part
        setBkColor(source.dc(), rgb(255, 0, 255));
        Canvas dest(2, 1, white);
        setPixel(dest.dc(), 0, 0, start[0]);
        setPixel(dest.dc(), 1, 0, start[1]);
        setTextColor(dest.dc(), red);
        setBkColor(dest.dc(), blue);
        bitBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, rops[i]);
        EXPECT_EQ(dest.pixel(0, 0), expected[i][0]);
        EXPECT_EQ(dest.pixel(1, 0), expected[i][1]);
    }
}

TEST(PlatformBlit, MonoToMonoCopiesBits) {
    const char* expected[] = {"0101", "1010", "0001", "0111"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Canvas source(4, 1, black, Canvas::Depth::mono);
        setPixel(source.dc(), 1, 0, white);
        setPixel(source.dc(), 3, 0, white);
        setBkColor(source.dc(), black);
        Canvas dest(4, 1, black, Canvas::Depth::mono);
        setPixel(dest.dc(), 2, 0, white);
        setPixel(dest.dc(), 3, 0, white);
        setTextColor(dest.dc(), white);
        setBkColor(dest.dc(), black);
        bitBlt(dest.dc(), 0, 0, 4, 1, source.dc(), 0, 0, rops[i]);
        EXPECT_EQ(bits(dest, 0), expected[i]);
    }
}

TEST(PlatformBlit, CopiesClipToBothSurfaces) {
    Canvas source(4, 4, blue);
    Canvas dest(8, 8, green);
    bitBlt(dest.dc(), 2, 2, 6, 6, source.dc(), -1, -1, ropSrcCopy);  // source starts outside
    bitBlt(dest.dc(), -2, -2, 4, 4, source.dc(), 0, 0, ropSrcCopy);  // destination starts outside
    EXPECT_EQ(dest.picture(),
              "BBGGGGGG\n"
              "BBGGGGGG\n"
              "GGGGGGGG\n"
              "GGGBBBBG\n"
              "GGGBBBBG\n"
              "GGGBBBBG\n"
              "GGGBBBBG\n"
              "GGGGGGGG\n");

    // Overlapping copies within one bitmap read every pixel before writing it.
    Canvas strip(6, 3, white);
    for (int32_t x = 0; x < 6; ++x)
        for (int32_t y = 0; y < 3; ++y)
            setPixel(strip.dc(), x, y, rgb(uint8_t(x * 40), uint8_t(y), 0));
    bitBlt(strip.dc(), 1, 1, 5, 2, strip.dc(), 0, 0, ropSrcCopy);
    for (int32_t x = 1; x < 6; ++x)
        for (int32_t y = 1; y < 3; ++y)
            EXPECT_EQ(strip.pixel(x, y), rgb(uint8_t((x - 1) * 40), uint8_t(y - 1), 0))
                << x << "," << y;
}

TEST(PlatformBlit, MaskRoundTripLeavesOutExactlyOneColour) {
    // A sprite of every colour the test knows, masked against white, copied
    // back through the mask onto a grey background.
    const ColorRef colours[] = {white, black, red, green, blue, rgb(254, 255, 255), white};
    constexpr int32_t width = 7;
    Canvas sprite(width, 1, white);
    for (int32_t x = 0; x < width; ++x) setPixel(sprite.dc(), x, 0, colours[x]);
    Canvas mask(width, 1, black, Canvas::Depth::mono);
    setBkColor(sprite.dc(), white);
    bitBlt(mask.dc(), 0, 0, width, 1, sprite.dc(), 0, 0, ropSrcCopy);
    EXPECT_EQ(bits(mask, 0), "1000001");  // 1 only where the sprite is white

    const ColorRef grey = rgb(127, 127, 127);
    Canvas scene(width, 1, grey);
    Canvas inverse(width, 1, black, Canvas::Depth::mono);
    bitBlt(inverse.dc(), 0, 0, width, 1, mask.dc(), 0, 0, ropNotSrcCopy);
    bitBlt(scene.dc(), 0, 0, width, 1, mask.dc(), 0, 0, ropSrcAnd);      // hole where drawn
    bitBlt(sprite.dc(), 0, 0, width, 1, inverse.dc(), 0, 0, ropSrcAnd);  // sprite on black
    bitBlt(scene.dc(), 0, 0, width, 1, sprite.dc(), 0, 0, ropSrcPaint);
    for (int32_t x = 0; x < width; ++x)
        EXPECT_EQ(scene.pixel(x, 0), colours[x] == white ? grey : colours[x]) << x;
}

// The toolkit's transparent copy makes work bitmaps and device contexts for
// every sprite; once warm, doing so allocates nothing.
void transparentCopy(Dc dest, Object image, Object mask, int32_t width, int32_t height) {
    Dc imageDc = createCompatibleDc(dest);
    Object previousImage = selectObject(imageDc, image);
    Dc backDc = createCompatibleDc(dest), maskDc = createCompatibleDc(dest);
    Dc compositeDc = createCompatibleDc(dest), saveDc = createCompatibleDc(dest);
    Object back = createMonochromeBitmap(width, height);
    Object composite = createCompatibleBitmap(dest, width, height);
    Object save = createCompatibleBitmap(dest, width, height);
    Object previousBack = selectObject(backDc, back);
    Object previousMask = selectObject(maskDc, mask);
    Object previousComposite = selectObject(compositeDc, composite);
    Object previousSave = selectObject(saveDc, save);
    bitBlt(saveDc, 0, 0, width, height, imageDc, 0, 0, ropSrcCopy);
    bitBlt(backDc, 0, 0, width, height, maskDc, 0, 0, ropNotSrcCopy);
    bitBlt(compositeDc, 0, 0, width, height, dest, 3, 2, ropSrcCopy);
    bitBlt(compositeDc, 0, 0, width, height, maskDc, 0, 0, ropSrcAnd);
    bitBlt(imageDc, 0, 0, width, height, backDc, 0, 0, ropSrcAnd);
    bitBlt(compositeDc, 0, 0, width, height, imageDc, 0, 0, ropSrcPaint);
    bitBlt(dest, 3, 2, width, height, compositeDc, 0, 0, ropSrcCopy);
    bitBlt(imageDc, 0, 0, width, height, saveDc, 0, 0, ropSrcCopy);
    selectObject(backDc, previousBack);
    selectObject(maskDc, previousMask);
    selectObject(compositeDc, previousComposite);
    selectObject(saveDc, previousSave);
    selectObject(imageDc, previousImage);
    for (Object bitmap : {back, composite, save}) deleteObject(bitmap);
    for (Dc dc : {backDc, maskDc, compositeDc, saveDc, imageDc}) deleteDc(dc);
}

TEST(PlatformBlit, TransparentCopyDrawsTheSpriteAndAllocatesNothingOnceWarm) {
    Canvas scene(20, 20, rgb(127, 127, 127));
    Canvas sprite(8, 6, white);
    Object brush = createSolidBrush(red);
    fillRect(sprite.dc(), Box{2, 1, 6, 5}, brush);
    deleteObject(brush);
    Canvas mask(8, 6, black, Canvas::Depth::mono);
    setBkColor(sprite.dc(), white);
    bitBlt(mask.dc(), 0, 0, 8, 6, sprite.dc(), 0, 0, ropSrcCopy);
    // A bitmap sits in one device context at a time: take both out of theirs.
    Object image = selectObject(sprite.dc(), createCompatibleBitmap(sprite.dc(), 1, 1));
    Object maskImage = selectObject(mask.dc(), createMonochromeBitmap(1, 1));
    ASSERT_EQ(image, sprite.bitmap());
    ASSERT_EQ(maskImage, mask.bitmap());

    transparentCopy(scene.dc(), image, maskImage, 8, 6);
    EXPECT_EQ(scene.inkBounds(rgb(127, 127, 127)), (Box{5, 3, 9, 7}));
    EXPECT_EQ(scene.count(red), 16);
    long before = allocationCount();
    for (int i = 0; i < 20; ++i) transparentCopy(scene.dc(), image, maskImage, 8, 6);
    EXPECT_EQ(allocationCount() - before, 0);
    EXPECT_EQ(scene.count(red), 16);

    deleteObject(selectObject(sprite.dc(), image));
    deleteObject(selectObject(mask.dc(), maskImage));
}

}  // namespace
}  // namespace platformtest
