#pragma once
// A bitmap selected into a memory device context, for drawing through the
// platform interface and reading the pixels back; written as rows of
// characters so that tests can compare whole pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "gui/platform/platform.h"

namespace platformtest {

using namespace platform;

constexpr ColorRef white = rgb(255, 255, 255);
constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef red = rgb(255, 0, 0);
constexpr ColorRef green = rgb(0, 255, 0);
constexpr ColorRef blue = rgb(0, 0, 255);

enum class Depth { colour, mono };

class TestBitmap {
public:
    TestBitmap(int32_t width, int32_t height, ColorRef fill = white, Depth depth = Depth::colour)
        : w(width), h(height) {
        Dc screen = getDc(nullptr);
        dc = createCompatibleDc(screen);
        bitmap = depth == Depth::colour ? createCompatibleBitmap(screen, width, height)
                                        : createMonochromeBitmap(width, height);
        releaseDc(nullptr, screen);
        previous = selectObject(dc, bitmap);
        paint(fill);
    }
    ~TestBitmap() {
        selectObject(dc, previous);
        deleteObject(bitmap);
        deleteDc(dc);
    }
    TestBitmap(const TestBitmap&) = delete;
    TestBitmap& operator=(const TestBitmap&) = delete;

    void paint(ColorRef color) {
        Object brush = createSolidBrush(color);
        fillRect(dc, Box{0, 0, w, h}, brush);
        deleteObject(brush);
    }
    ColorRef at(int32_t x, int32_t y) const { return getPixel(dc, x, y); }

    // One row as characters: '.' white, '#' black, 'R', 'G', 'B', '?' other.
    std::string row(int32_t y) const {
        std::string line;
        for (int32_t x = 0; x < w; ++x) {
            switch (at(x, y)) {
            case white: line += '.'; break;
            case black: line += '#'; break;
            case red: line += 'R'; break;
            case green: line += 'G'; break;
            case blue: line += 'B'; break;
            default: line += '?';
            }
        }
        return line;
    }
    std::string picture() const {
        std::string all;
        for (int32_t y = 0; y < h; ++y) all += row(y) + "\n";
        return all;
    }

    // The smallest box (right and bottom excluded) holding every pixel that
    // is not `background`; empty (0, 0, 0, 0) when there is none.
    Box inkBounds(ColorRef background = white) const {
        Box box{w, h, 0, 0};
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                if (at(x, y) != background) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return box.right > 0 ? box : Box{0, 0, 0, 0};
    }
    int32_t count(ColorRef color) const {
        int32_t n = 0;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) n += at(x, y) == color;
        return n;
    }

    Dc dc = nullptr;
    Object bitmap = nullptr;

private:
    int32_t w, h;
    Object previous = nullptr;
};

}  // namespace platformtest

namespace platform {
inline bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << ")";
}
}  // namespace platform
