// SPDX-License-Identifier: MIT
// Lines and polygons: the pixels GDI covers exactly (as Wine draws them).

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Canvas.h"

namespace platformtest {
using namespace platform;
using namespace colorref;

namespace {

struct PenScope {
    PenScope(Dc dc, int32_t style, int32_t width, ColorRef color)
        : dc(dc), pen(createPen(style, width, color)), previous(selectObject(dc, pen)) {}
    ~PenScope() {
        selectObject(dc, previous);
        deleteObject(pen);
    }
    Dc dc;
    Object pen, previous;
};

void line(Dc dc, Pt from, Pt to) {
    moveTo(dc, from.x, from.y);
    lineTo(dc, to.x, to.y);
}

std::vector<std::pair<int, int>> inked(const Canvas& canvas, int32_t size, Pt origin) {
    std::vector<std::pair<int, int>> pixels;
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x)
            if (canvas.pixel(x, y) == black) pixels.emplace_back(x - origin.x, y - origin.y);
    return pixels;
}

TEST(PlatformLines, StraightAndDiagonalLinesLeaveOutTheirEnd) {
    Canvas canvas(12, 8, white);
    line(canvas.dc(), {1, 1}, {6, 1});
    line(canvas.dc(), {8, 1}, {8, 5});
    line(canvas.dc(), {1, 3}, {5, 7});
    line(canvas.dc(), {11, 7}, {7, 7});  // drawn right to left
    EXPECT_EQ(canvas.picture(),
              "............\n"
              ".#####..#...\n"
              "........#...\n"
              ".#......#...\n"
              "..#.....#...\n"
              "...#........\n"
              "....#.......\n"
              "........####\n");

    // lineTo moves the position on; moveTo alone draws nothing.
    Canvas path(6, 4, white);
    moveTo(path.dc(), 0, 0);
    lineTo(path.dc(), 3, 0);
    lineTo(path.dc(), 3, 3);
    moveTo(path.dc(), 5, 3);
    EXPECT_EQ(path.picture(),
              "####..\n"
              "...#..\n"
              "...#..\n"
              "......\n");
}

TEST(PlatformLines, HalfwayStepsRoundTowardsNegativeCoordinates) {
    // Lines of slope 1/2 in all eight octants from the middle of the canvas:
    // each halfway point of the minor axis rounds down or left.
    struct Case {
        Pt end;
        std::vector<std::pair<int, int>> pixels;  // in row order, relative to the start
    };
    const Case cases[] = {
        {{8, 4}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},
        {{4, 8}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}, {3, 6}, {3, 7}}},
        {{-4, 8}, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}, {-2, 4}, {-3, 5}, {-3, 6}, {-4, 7}}},
        {{-8, 4}, {{-1, 0}, {0, 0}, {-3, 1}, {-2, 1}, {-5, 2}, {-4, 2}, {-7, 3}, {-6, 3}}},
        {{-8, -4}, {{-7, -4}, {-6, -3}, {-5, -3}, {-4, -2}, {-3, -2}, {-2, -1}, {-1, -1}, {0, 0}}},
        {{-4, -8}, {{-4, -7}, {-3, -6}, {-3, -5}, {-2, -4}, {-2, -3}, {-1, -2}, {-1, -1}, {0, 0}}},
        {{4, -8}, {{3, -7}, {3, -6}, {2, -5}, {2, -4}, {1, -3}, {1, -2}, {0, -1}, {0, 0}}},
        {{8, -4}, {{7, -4}, {5, -3}, {6, -3}, {3, -2}, {4, -2}, {1, -1}, {2, -1}, {0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.end.x << ", " << c.end.y);
        Canvas canvas(21, 21, white);
        line(canvas.dc(), {10, 10}, {10 + c.end.x, 10 + c.end.y});
        EXPECT_EQ(inked(canvas, 21, {10, 10}), c.pixels);
    }
}

TEST(PlatformLines, DottedPensRunThreeOnThreeOff) {
    Canvas canvas(26, 7, white);
    PenScope dotted(canvas.dc(), penDot, 1, black);
    setBkMode(canvas.dc(), bkTransparent);
    line(canvas.dc(), {0, 0}, {25, 0});
    line(canvas.dc(), {1, 1}, {14, 1});  // the pattern starts at the line's start
    // Every lineTo starts the pattern again...
    moveTo(canvas.dc(), 0, 2);
    lineTo(canvas.dc(), 10, 2);
    lineTo(canvas.dc(), 25, 2);
    // ...while a polyline carries it around its corners.
    Pt points[3] = {{0, 3}, {10, 3}, {25, 3}};
    polyline(canvas.dc(), points, 3);
    Pt corner[3] = {{0, 4}, {5, 4}, {5, 7}};
    polyline(canvas.dc(), corner, 3);
    EXPECT_EQ(canvas.row(0), "###...###...###...###...#.");
    EXPECT_EQ(canvas.row(1), ".###...###...#............");
    EXPECT_EQ(canvas.row(2), "###...###.###...###...###.");
    EXPECT_EQ(canvas.row(3), "###...###...###...###...#.");
    EXPECT_EQ(canvas.row(4), "###.......................");
    EXPECT_EQ(canvas.row(5), ".....#....................");
    EXPECT_EQ(canvas.row(6), ".....#....................");

    // In opaque mode the gaps take the background colour.
    Canvas opaque(14, 1, white);
    PenScope pen(opaque.dc(), penDot, 1, blue);
    setBkColor(opaque.dc(), red);
    line(opaque.dc(), {1, 0}, {13, 0});
    EXPECT_EQ(opaque.row(0), ".BBBRRRBBBRRR.");
}

TEST(PlatformLines, WidePensDrawSolidBandsWithRoundEnds) {
    Canvas canvas(24, 13, white);
    {
        PenScope wide(canvas.dc(), penDot, 3, black);  // dotted has no effect when wide
        line(canvas.dc(), {3, 3}, {15, 3});
        line(canvas.dc(), {20, 2}, {20, 10});
    }
    PenScope two(canvas.dc(), penSolid, 2, black);
    line(canvas.dc(), {3, 9}, {12, 9});
    EXPECT_EQ(canvas.picture(),
              "........................\n"
              "....................#...\n"
              "...#############...###..\n"
              "..###############..###..\n"
              "...#############...###..\n"
              "...................###..\n"
              "...................###..\n"
              "...................###..\n"
              "..###########......###..\n"
              "..###########......###..\n"
              "...................###..\n"
              "....................#...\n"
              "........................\n");
}

TEST(PlatformLines, LinesClipAtTheSurface) {
    Canvas canvas(5, 5, white);
    line(canvas.dc(), {-3, 2}, {30, 2});
    line(canvas.dc(), {2, -100000}, {2, 100000});
    line(canvas.dc(), {-2, -2}, {7, 7});
    EXPECT_EQ(canvas.picture(),
              "#.#..\n"
              ".##..\n"
              "#####\n"
              "..##.\n"
              "..#.#\n");
}

TEST(PlatformPolygon, FillsSampledAtPixelCornersAndOutlinesWithThePen) {
    Canvas canvas(22, 13, white);
    Object brush = createSolidBrush(red);
    Object previousBrush = selectObject(canvas.dc(), brush);
    Object previousPen = selectObject(canvas.dc(), nullPen());
    Pt triangle[3] = {{1, 1}, {11, 1}, {1, 11}};
    polygon(canvas.dc(), triangle, 3);
    Pt square[4] = {{14, 2}, {20, 2}, {20, 8}, {14, 8}};
    polygon(canvas.dc(), square, 4);
    EXPECT_EQ(canvas.picture(),
              "......................\n"
              ".RRRRRRRRRR...........\n"
              ".RRRRRRRRR....RRRRRR..\n"
              ".RRRRRRRR.....RRRRRR..\n"
              ".RRRRRRR......RRRRRR..\n"
              ".RRRRRR.......RRRRRR..\n"
              ".RRRRR........RRRRRR..\n"
              ".RRRR.........RRRRRR..\n"
              ".RRR..................\n"
              ".RR...................\n"
              ".R....................\n"
              "......................\n"
              "......................\n");

    // With a pen the outline closes the shape over the fill.
    selectObject(canvas.dc(), previousPen);
    canvas.fill(white);
    polygon(canvas.dc(), square, 4);
    EXPECT_EQ(canvas.row(2).substr(13), ".#######.");
    EXPECT_EQ(canvas.row(5).substr(13), ".#RRRRR#.");
    EXPECT_EQ(canvas.row(8).substr(13), ".#######.");
    selectObject(canvas.dc(), previousBrush);
    deleteObject(brush);
}

}  // namespace
}  // namespace platformtest
