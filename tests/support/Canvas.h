// SPDX-License-Identifier: MIT
#pragma once
// A picture in memory to draw on and read back, standing in for a window in
// tests: a colour or monochrome bitmap selected into a memory device context.
// Pixels read back as the platform gives them (ColorRef: red | green << 8 |
// blue << 16), and as rows of characters so that tests can compare whole
// pictures.

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "gui/DrawContext.h"
#include "gui/platform/platform.h"

// Colours by the names row() writes them with.
namespace colorref {
constexpr platform::ColorRef white = platform::rgb(255, 255, 255);
constexpr platform::ColorRef black = platform::rgb(0, 0, 0);
constexpr platform::ColorRef red = platform::rgb(255, 0, 0);
constexpr platform::ColorRef green = platform::rgb(0, 255, 0);
constexpr platform::ColorRef blue = platform::rgb(0, 0, 255);
}  // namespace colorref

class Canvas {
public:
    enum class Depth { colour, mono };

    Canvas(int32_t width, int32_t height, platform::ColorRef fill = colorref::black,
           Depth depth = Depth::colour);
    ~Canvas();

    platform::Dc dc() const { return memoryDc; }
    platform::Object bitmap() const { return canvasBitmap; }
    // A fresh context on the canvas, as the frame makes one per paint.
    std::unique_ptr<DrawContext> context(ViewFrame* frame = nullptr);
    void fill(platform::ColorRef color);

    // 0xFFFFFFFF outside the canvas.
    platform::ColorRef pixel(int32_t x, int32_t y) const;
    // Pixels of the rectangle (right and bottom excluded) that are not `color`.
    int32_t countOther(int32_t left, int32_t top, int32_t right, int32_t bottom,
                       platform::ColorRef color) const;
    int32_t count(platform::ColorRef color) const;
    // The smallest box (right and bottom excluded) holding every pixel that
    // is not `background`; empty (0, 0, 0, 0) when there is none.
    platform::Box inkBounds(platform::ColorRef background = colorref::white) const;
    // One row as characters: '.' white, '#' black, 'R', 'G', 'B', '?' other.
    std::string row(int32_t y) const;
    // Every row, each ending in a newline.
    std::string picture() const;

    int32_t width() const { return canvasWidth; }
    int32_t height() const { return canvasHeight; }

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

private:
    int32_t canvasWidth, canvasHeight;
    platform::Dc memoryDc;
    platform::Object canvasBitmap;
    platform::Object previous;
};

namespace platform {
inline bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << ")";
}
}  // namespace platform
