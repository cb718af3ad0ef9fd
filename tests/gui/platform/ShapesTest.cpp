// SPDX-License-Identifier: MIT
// Ellipses, arcs and pies: where their edges fall is the platform's affair,
// so these check bounds, symmetry and which colour goes where.

#include <gtest/gtest.h>

#include "tests/support/Canvas.h"

namespace platformtest {
using namespace platform;
using namespace colorref;

namespace {

struct Paints {
    Paints(Dc dc, Object pen, ColorRef brushColor)
        : dc(dc), brush(createSolidBrush(brushColor)), previousBrush(selectObject(dc, brush)),
          previousPen(selectObject(dc, pen)) {}
    ~Paints() {
        selectObject(dc, previousPen);
        selectObject(dc, previousBrush);
        deleteObject(brush);
    }
    Dc dc;
    Object brush, previousBrush, previousPen;
};

TEST(PlatformShapes, EllipsesFillTheirBoxSymmetrically) {
    Canvas canvas(40, 20, white);
    Paints paints(canvas.dc(), nullPen(), red);
    ellipse(canvas.dc(), 3, 2, 19, 12);
    EXPECT_EQ(canvas.inkBounds(), (Box{3, 2, 19, 12}));
    EXPECT_EQ(canvas.pixel(3, 2), white);  // corners stay out
    EXPECT_EQ(canvas.pixel(18, 11), white);
    EXPECT_EQ(canvas.pixel(10, 7), red);
    for (int32_t y = 2; y < 12; ++y) {
        EXPECT_EQ(canvas.row(y), canvas.row(13 - y)) << y;  // top mirrors bottom
        std::string row = canvas.row(y).substr(3, 16);
        EXPECT_EQ(row, std::string(row.rbegin(), row.rend())) << y;  // left mirrors right
    }

    canvas.fill(white);
    ellipse(canvas.dc(), 22, 4, 27, 9);  // small odd circle: a plus-like disc
    EXPECT_EQ(canvas.inkBounds(), (Box{22, 4, 27, 9}));
    EXPECT_EQ(canvas.row(6).substr(22, 5), "RRRRR");
}

TEST(PlatformShapes, EllipsePenTakesTheEdgeAndBrushTheInside) {
    Canvas canvas(20, 14, white);
    Object pen = createPen(penSolid, 1, blue);
    {
        Paints paints(canvas.dc(), pen, red);
        ellipse(canvas.dc(), 1, 1, 17, 13);
    }
    deleteObject(pen);
    EXPECT_EQ(canvas.inkBounds(), (Box{1, 1, 17, 13}));
    EXPECT_EQ(canvas.pixel(1, 7), blue);
    EXPECT_EQ(canvas.pixel(16, 6), blue);
    EXPECT_EQ(canvas.pixel(8, 1), blue);
    EXPECT_EQ(canvas.pixel(8, 12), blue);
    EXPECT_EQ(canvas.pixel(2, 7), red);
    EXPECT_EQ(canvas.pixel(8, 6), red);
    // The pen ring is closed: every row's outermost pixels are the pen's.
    for (int32_t y = 1; y < 13; ++y) {
        std::string row = canvas.row(y);
        EXPECT_EQ(row[row.find_first_not_of('.')], 'B') << y;
        EXPECT_EQ(row[row.find_last_not_of('.')], 'B') << y;
    }
}

TEST(PlatformShapes, ArcsRunCounterClockwiseFromStartToEnd) {
    Canvas canvas(24, 24, white);
    // From the right end round the top to the left end: the upper half.
    arc(canvas.dc(), 2, 2, 22, 22, 22, 12, 2, 12);
    Box upper = canvas.inkBounds();
    EXPECT_GE(upper.left, 2);
    EXPECT_LE(upper.right, 22);
    EXPECT_EQ(upper.top, 2);
    EXPECT_LE(upper.bottom, 14);
    EXPECT_GE(upper.bottom, 11);
    EXPECT_EQ(canvas.pixel(12, 2), black);
    EXPECT_EQ(canvas.count(black) > 20, true);
    for (int32_t y = 4; y < 10; ++y) {
        std::string row = canvas.row(y);
        EXPECT_EQ(row.find('#', row.find('#') + 3) != std::string::npos, true) << y;  // both sides
        EXPECT_EQ(row.substr(8, 8), "........") << y;  // an outline: the inside is empty
    }

    // The other way round: the lower half.
    canvas.fill(white);
    arc(canvas.dc(), 2, 2, 22, 22, 2, 12, 22, 12);
    Box lower = canvas.inkBounds();
    EXPECT_GE(lower.top, 10);
    EXPECT_EQ(lower.bottom, 22);

    // Equal ends: the whole ellipse, within its box.
    canvas.fill(white);
    arc(canvas.dc(), 2, 2, 22, 22, 12, 2, 12, 2);
    Box whole = canvas.inkBounds();
    EXPECT_GE(whole.left, 2);
    EXPECT_GE(whole.top, 2);
    EXPECT_LE(whole.right, 22);
    EXPECT_LE(whole.bottom, 22);
    EXPECT_GE(whole.right - whole.left, 19);
    EXPECT_GE(whole.bottom - whole.top, 19);
}

TEST(PlatformShapes, PiesFillTheSweptPart) {
    Canvas canvas(24, 24, white);
    Paints paints(canvas.dc(), nullPen(), red);
    // A quarter from the right end to the top: the upper right.
    pie(canvas.dc(), 2, 2, 22, 22, 22, 12, 12, 0);
    Box quarter = canvas.inkBounds();
    EXPECT_GE(quarter.left, 11);
    EXPECT_LE(quarter.right, 22);
    EXPECT_GE(quarter.top, 2);
    EXPECT_LE(quarter.bottom, 14);
    EXPECT_EQ(canvas.pixel(17, 7), red);
    EXPECT_EQ(canvas.pixel(7, 7), white);
    EXPECT_EQ(canvas.pixel(17, 17), white);

    // The lower half, as the toolkit fills a half disc.
    canvas.fill(white);
    pie(canvas.dc(), 2, 2, 22, 22, 2, 12, 22, 12);
    Box half = canvas.inkBounds();
    EXPECT_GE(half.top, 11);
    EXPECT_LE(half.top, 13);
    EXPECT_GE(half.left, 2);
    EXPECT_LE(half.left, 3);
    EXPECT_GE(half.bottom, 21);
    EXPECT_LE(half.bottom, 22);
    EXPECT_EQ(canvas.pixel(12, 18), red);
    EXPECT_EQ(canvas.pixel(12, 6), white);
}

}  // namespace
}  // namespace platformtest
