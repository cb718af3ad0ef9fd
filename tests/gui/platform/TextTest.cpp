// SPDX-License-Identifier: MIT
// DrawText on one line: where the text lands in its box, what opaque mode
// fills, clipping, and faces. Glyph shapes are the platform's, so these
// check bounds and colours, not pixels.

#include <gtest/gtest.h>

#include "tests/support/AllocationCounter.h"
#include "tests/support/Canvas.h"

namespace platformtest {
using namespace platform;
using namespace colorref;

namespace {

constexpr uint32_t line = dtSingleLine | dtVCenter;

class PlatformText : public testing::Test {
protected:
    void SetUp() override { useFont(-12, 400, "Arial"); }
    void TearDown() override {
        selectObject(canvas.dc(), previousFont);
        if (font) deleteObject(font);
    }
    void useFont(int32_t height, int32_t weight, const char* face) {
        Object made = createFont(FontSpec{height, weight, 0x22, face});
        Object previous = selectObject(canvas.dc(), made);
        if (!previousFont) previousFont = previous;
        if (font) deleteObject(font);
        font = made;
        setTextColor(canvas.dc(), blue);
        setBkColor(canvas.dc(), red);
        setBkMode(canvas.dc(), bkTransparent);
    }
    void draw(const char* text, Box box, uint32_t format) {
        drawText(canvas.dc(), text, -1, box, format);
    }
    // Pixels of neither the background, the text colour nor the bk colour.
    int32_t blended() const {
        return 80 * 30 - canvas.count(white) - canvas.count(blue) - canvas.count(red);
    }

    Canvas canvas{80, 30, white};
    Object font = nullptr, previousFont = nullptr;
};

TEST_F(PlatformText, CentredTextSitsInTheMiddleOfItsBox) {
    const Box box{20, 5, 70, 25};
    draw("Score", box, line | dtCenter);
    Box ink = canvas.inkBounds();
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.right, box.right);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.bottom, box.bottom);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 45, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 15, 3);
    EXPECT_GT(ink.right - ink.left, 20);  // five letters of a 12-pixel face
    EXPECT_LT(ink.right - ink.left, 40);
    EXPECT_EQ(blended(), 0);  // unsmoothed at this size: ink is the text colour
    EXPECT_GT(canvas.count(blue), 30);

    // Opaque mode fills the text's cells: 14 pixels high for a 12-pixel
    // character height, centred in the box.
    canvas.fill(white);
    setBkMode(canvas.dc(), bkOpaque);
    draw("Score", box, line | dtCenter);
    Box cell = canvas.inkBounds();
    EXPECT_EQ(cell.top, 8);
    EXPECT_EQ(cell.bottom, 22);
    EXPECT_NEAR((cell.left + cell.right) / 2.0, 45, 1);
    EXPECT_EQ(canvas.count(blue) + canvas.count(red),
              (cell.right - cell.left) * (cell.bottom - cell.top));
}

TEST_F(PlatformText, LeftAndRightAlignToTheBoxEdges) {
    setBkMode(canvas.dc(), bkOpaque);
    draw("Lives", Box{10, 2, 70, 14}, line);
    Box left = canvas.inkBounds();
    EXPECT_EQ(left.left, 10);
    EXPECT_EQ(left.top, 2);  // the 14-pixel cell is clipped to the 12-pixel box
    EXPECT_EQ(left.bottom, 14);

    canvas.fill(white);
    draw("Lives", Box{10, 15, 70, 30}, line | dtRight);
    Box right = canvas.inkBounds();
    EXPECT_EQ(right.right, 70);
    EXPECT_EQ(right.right - right.left, left.right - left.left);  // same cells
}

TEST_F(PlatformText, TextIsClippedToItsBox) {
    setBkMode(canvas.dc(), bkOpaque);
    useFont(-20, 400, "Arial");
    setBkMode(canvas.dc(), bkOpaque);
    const Box box{25, 8, 55, 20};
    draw("Much too long for this box", box, line | dtCenter);
    EXPECT_EQ(canvas.inkBounds(), box);  // the cells cover it all, and no more
}

TEST_F(PlatformText, FacesWeightsAndTheDefaultFontAllDraw) {
    draw("Score 120", Box{0, 0, 80, 30}, line | dtCenter);
    int32_t regular = 80 * 30 - canvas.count(white);

    canvas.fill(white);
    useFont(-12, 700, "Arial");
    draw("Score 120", Box{0, 0, 80, 30}, line | dtCenter);
    EXPECT_GT(80 * 30 - canvas.count(white), regular);  // bold inks more

    for (const char* face : {"Small Fonts", "Symbol"}) {
        SCOPED_TRACE(face);
        canvas.fill(white);
        useFont(-9, 400, face);
        draw("abc", Box{0, 0, 80, 30}, line);
        EXPECT_GT(80 * 30 - canvas.count(white), 5);
    }

    // With no font selected the device context's own (system) font draws.
    Canvas plain(80, 30, white);
    setBkMode(plain.dc(), bkTransparent);
    Box box{0, 0, 80, 30};
    drawText(plain.dc(), "Sys", 3, box, line);
    Box ink = plain.inkBounds();
    EXPECT_GT(ink.right - ink.left, 10);
    EXPECT_LT(ink.left, 4);
}

TEST_F(PlatformText, DrawingKnownTextAllocatesNothing) {
    draw("Score 0123456789", Box{0, 0, 80, 30}, line | dtCenter);
    long before = allocationCount();
    for (int i = 0; i < 10; ++i) draw("Score 9876543210", Box{0, 0, 80, 30}, line | dtRight);
    EXPECT_EQ(allocationCount() - before, 0);
}

}  // namespace
}  // namespace platformtest
