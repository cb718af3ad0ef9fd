// SPDX-License-Identifier: MIT
#pragma once
// The toolkit's value types, in pixels of the editor window: origin at its
// top-left corner, y growing downwards.

#include <cstdint>

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom) {}
    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr Rect& offsetBy(int32_t dx, int32_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    constexpr bool operator==(const Rect&) const = default;
};

struct Point {
    int32_t h = 0, v = 0;

    constexpr Point() = default;
    constexpr Point(int32_t h, int32_t v) : h(h), v(v) {}
    // All four edges count as inside.
    constexpr bool isInside(const Rect& r) const {
        return r.left <= h && h <= r.right && r.top <= v && v <= r.bottom;
    }
    constexpr bool operator==(const Point&) const = default;
};

struct Color {
    uint8_t red = 0, green = 0, blue = 0, unused = 0;

    constexpr uint32_t toColorRef() const {
        return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16;
    }
    constexpr bool sameRgb(const Color& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

constexpr Color kWhite{255, 255, 255, 0};
constexpr Color kBlack{0, 0, 0, 0};
constexpr Color kGrey{127, 127, 127, 0};
constexpr Color kRed{255, 0, 0, 0};
constexpr Color kGreen{0, 255, 0, 0};
constexpr Color kBlue{0, 0, 255, 0};
constexpr Color kYellow{255, 255, 0, 0};
constexpr Color kMagenta{255, 0, 255, 0};
constexpr Color kCyan{0, 255, 255, 0};
// The colour that transparent copies leave out.
constexpr Color kTransparentColor{255, 255, 255, 0};
